// Simlinker: the planner's side of the simulator link. Each TR_ function reads or sets
// the running simulator's state through Cabinhook; every call reports failure (0, or
// 0.0) when the simulator or Cabinhook is not there. Calls of several programs are
// served one at a time; a call waits at most about a second for a simulator that does
// not answer, and a setter that cannot read the fields it changes writes nothing.
//
// Declared in the order of their ordinals, 1 (TR_GetVersion) to 42 (TR_SetFSHdg); this
// platform links them by name.
#pragma once

#define SIMLINKER_API __attribute__((visibility("default")))

extern "C" {

SIMLINKER_API void TR_GetVersion(int* major, int* minor, int* build);
SIMLINKER_API int TR_Read(void* buffer, unsigned length, unsigned* outLength, unsigned offset);
// The buffer receives the bytes that the simulator holds after the write.
SIMLINKER_API int TR_Write(void* buffer, unsigned length, unsigned* outLength, unsigned offset);
SIMLINKER_API int TR_IsFSRunning();

SIMLINKER_API int TR_GetFSHrs();
SIMLINKER_API int TR_GetFSMin();
SIMLINKER_API int TR_GetFSSec();
SIMLINKER_API void TR_GetFSTime(int* h, int* m, int* s);
SIMLINKER_API int TR_SetFSHrs(int hours);
SIMLINKER_API int TR_SetFSMin(int minutes);
SIMLINKER_API int TR_SetFSSec(int seconds);
SIMLINKER_API int TR_SetFSTime(int h, int m, int s);

SIMLINKER_API double TR_GetFSLat();
SIMLINKER_API int TR_SetFSLat(double degrees);
SIMLINKER_API double TR_GetFSLon();
SIMLINKER_API int TR_SetFSLon(double degrees);

SIMLINKER_API double TR_GetFSAltM();
SIMLINKER_API int TR_SetFSAltM(double metres);
SIMLINKER_API double TR_GetFSAltF();
SIMLINKER_API int TR_SetFSAltF(double feet);

SIMLINKER_API int TR_GetFSSmoke();
SIMLINKER_API int TR_SetFSSmoke(int on);
SIMLINKER_API int TR_GetFSSlew();
SIMLINKER_API int TR_SetFSSlew(int on);
SIMLINKER_API int TR_GetFSPause();
SIMLINKER_API int TR_SetFSPause(int on);
SIMLINKER_API double TR_GetFSRate();
SIMLINKER_API int TR_SetFSRate(double rate);

SIMLINKER_API int TR_GetFSDayOfYear();
SIMLINKER_API void TR_SetFSDayOfYear(int day);
SIMLINKER_API int TR_GetFSYear();
SIMLINKER_API void TR_SetFSYear(int year);
SIMLINKER_API int TR_GetFSSeason();
SIMLINKER_API void TR_SetFSSEason(int season);

SIMLINKER_API double TR_GetFSSpeedIAS();
SIMLINKER_API double TR_GetFSSpeedTAS();
SIMLINKER_API double TR_GetFSSpeedGS();
SIMLINKER_API int TR_SetFSSpeedIAS(double knots);
SIMLINKER_API int TR_SetFSSpeedTAS(double knots);
SIMLINKER_API int TR_SetFSSpeedGS(double knots);

SIMLINKER_API double TR_GetFSHdg();
SIMLINKER_API int TR_SetFSHdg(double degrees);

}  // extern "C"
