                            IF
                         ENDIF
                         GOSUB
                      SETTIMERTRIGGER
                        RETURN
