#include "adventure_source.h"

#include "generation_run.h"
#include "sections.h"

namespace textorin {
namespace {

void WriteMainSetup(GenerationRun& run) {
    run.out.WriteBanner("Main setup");
    WritePerformance(run);
    run.out.WriteLine("\tAPL_SOUND = TRUE\t\t'Making sure that sounds will play\n");
    run.out.WriteLine("\tDEBUG_WINDOW OFF\n");
}

void WriteMainProgram(GenerationRun& run) {
    run.out.WriteBanner("Main program starts here:");
    run.out.WriteBlankLine();
    run.out.WriteLine("\tENGINE_CONTROL_SELECT = 15\n");
    if (run.IsOptionSet(keys::kEnginesOff))
        run.out.WriteLine("\tPRINT \"Press CTRL-E to start the engine sequence\"\n\tWAIT MESSAGE\n");
    run.out.WriteLine("\tGOSUB subRUN\n");
    run.out.WriteBlankLine();
}

void WriteEmptyVor1Handler(GenerationRun& run) {
    run.out.WriteBlankLine();
    run.out.WriteRule();
    run.out.WriteLine("'\tWe will handle all the vor1 here\n'\t\t(You can add VOR's here.)\n");
    run.out.WriteRule();
    run.out.WriteLine("subHandleVor1:\n");
    run.out.WriteBlankLine();
    run.out.WriteLine("RETURN\n");
}

void WriteEventSubs(GenerationRun& run) {
    run.out.WriteBlankLine();
    run.out.WriteBanner("Event functions");
    if (run.IsOptionSet(keys::kShowWrong)) WriteAdviceSubs(run);
    // The holding lap ends in the landing phases, which only a route with a landing has.
    if (run.IsOptionSet(keys::kHolding) && run.HasLanding()) WriteHoldingSubs(run);
    if (run.IsOptionSet(keys::kSound)) WriteSubSound(run);
    if (run.IsOptionSet(keys::kPushBack)) WriteSubPushBack(run);
    if (run.IsOptionSet(keys::kRestart)) WriteSubResetAdv(run);
    if (run.IsOptionSet(keys::kQuit)) WriteSubQuit(run);
    if (run.IsOptionSet(keys::kSpeedCalls)) WriteSubSpeedCalls(run);
    WriteSubPlanePos(run);
    WriteSubAltMsg(run);
    WriteSubHdgMsg(run);
    if (run.HasLanding()) {
        WriteSubTakeOff(run);
        WriteSubLandPhase1(run);
        WriteSubLandPhase2(run);
        WriteSubLandPhase3(run);
        WriteSubLandPhase4(run);
        if (run.HasSidStar()) {
            WriteSubSid(run);
            WriteSubStar(run);
            WriteSubSidStarHdg(run);
        }
        WriteSubLanded(run);
    }
    WriteSubNavNumber(run);
    WriteSubDirectCourse(run);
    WriteSubCruiseAlt(run);
    if (run.navaidLines.empty())
        WriteEmptyVor1Handler(run);
    else
        WriteNavaidHandlers(run);
    WriteSubEmergency(run);
    WriteSubSetFreq(run);
    WriteSubComChange(run);
}

}  // namespace

std::string WriteAdventureSource(const adf::Definition& definition) {
    GenerationRun run(definition);
    WriteFileHeader(run);
    run.out.WriteBlankLine();
    WriteDeclarations(run);
    run.out.WriteBlankLine();
    WriteTitleAndDescription(run);
    run.out.WriteBlankLine();
    WriteHemisphereLines(run);
    run.out.WriteBlankLine();
    WriteMainSetup(run);
    WriteAdventureKeys(run);
    run.out.WriteBlankLine();
    WriteKeyBindings(run);
    run.out.WriteBlankLine();
    WriteLoadSituation(run);
    run.out.WriteBlankLine();
    WriteSetVariables(run);
    run.out.WriteBlankLine();
    WriteSeasonSection(run);
    run.out.WriteBlankLine();
    WriteAircraftSetup(run);
    run.out.WriteBlankLine();
    WriteMainProgram(run);
    run.out.WriteBanner("Sub Functions:");
    run.out.WriteBlankLine();
    WriteSubEnd(run);
    WriteSubRun(run);
    WriteKeyCommandSubs(run);
    WriteEventSubs(run);
    return run.out.Text();
}

}  // namespace textorin
