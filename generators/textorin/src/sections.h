// The section writers of the adventure source, in the order the source holds them.
// Each appends its piece to the run's source.
#pragma once

#include "generation_run.h"

namespace textorin {

// Header, setup and main loop.
void WriteFileHeader(GenerationRun& run);
void WriteTitleAndDescription(GenerationRun& run);
void WriteHemisphereLines(GenerationRun& run);
void WritePerformance(GenerationRun& run);
void WriteLoadSituation(GenerationRun& run);
void WriteSeasonSection(GenerationRun& run);
void WriteAircraftSetup(GenerationRun& run);
void WriteSubEnd(GenerationRun& run);
void WriteSubRun(GenerationRun& run);
void WriteSubSpeedCalls(GenerationRun& run);

// Key commands.
void WriteAdventureKeys(GenerationRun& run);
void WriteKeyBindings(GenerationRun& run);
void WriteKeyCommandSubs(GenerationRun& run);
void WriteSubPushBack(GenerationRun& run);
void WriteSubResetAdv(GenerationRun& run);
void WriteSubQuit(GenerationRun& run);

// Route declarations and set variables.
void WriteDeclarations(GenerationRun& run);
void WriteSetVariables(GenerationRun& run);
void WriteHoldingValues(GenerationRun& run);

// Navigation.
void WriteSubPlanePos(GenerationRun& run);
void WriteSubAltMsg(GenerationRun& run);
void WriteSubHdgMsg(GenerationRun& run);
void WriteSubNavNumber(GenerationRun& run);
void WriteSubDirectCourse(GenerationRun& run);
void WriteSubCruiseAlt(GenerationRun& run);
void WriteNavaidHandlers(GenerationRun& run);
void WriteSubSetFreq(GenerationRun& run);
void WriteSubComChange(GenerationRun& run);

// Take-off, landing and holding.
void WriteSubTakeOff(GenerationRun& run);
void WriteSubLandPhase1(GenerationRun& run);
void WriteSubLandPhase2(GenerationRun& run);
void WriteSubLandPhase3(GenerationRun& run);
void WriteSubLandPhase4(GenerationRun& run);
void WriteSubLanded(GenerationRun& run);
void WriteHoldingSubs(GenerationRun& run);

// Advice, failures and sound.
void WriteAdviceSubs(GenerationRun& run);
void WriteSubEmergency(GenerationRun& run);
void WriteSubSound(GenerationRun& run);

// SID and STAR.
void WriteSubSidStarHdg(GenerationRun& run);
void WriteSubSid(GenerationRun& run);
void WriteSubStar(GenerationRun& run);

}  // namespace textorin
