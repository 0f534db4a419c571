lear45
[c182]
cruise alt:8000
VS:40
[lear45]
cruise alt:41000
land speed:140
has flaps:1
V1:120
VSO:95
