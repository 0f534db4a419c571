// subSound: plays the user's ATC sound files at random while the COM radio is tuned to
// a nearby route airport's ATIS.
#include <string>
#include <vector>

#include "../quote_safe.h"
#include "../sections.h"
#include "chain_writer.h"
#include "leg_numbers.h"
#include "platform/file_search.h"
#include "platform/numbers.h"
#include "platform/text.h"

namespace textorin {
namespace {

constexpr const char* kSoundFilePattern = "Adv????.wav";
constexpr const char* kFixedSoundMark = "advs";
constexpr double kAtisTolerance = 0.025;

constexpr const char* kRetryLater =
    "\tdSound_play = ELAPSED_TIME+ INT(RANDOM * 15) + 5\t'Give random spaces\n"
    "\tONEXP_TRUE ELAPSED_TIME > dSound_play GOSUB subSound\n";

constexpr const char* kNoValidFrequency =
    "\t'\tNB\tNo valid frequencies...\n\t'\t~~\tRemove if you wish to force ATIS without Freq\n"
    "\tONEXP_CLEAR subSound\n\tRETURN\n";

void WriteAtisGate(GenerationRun& run) {
    ChainWriter chain(run.out);
    for (const std::string& line : run.airportLines) {
        AirportFields airport = ReadAirportFields(line);
        double frequency = platform::LeadingDouble(airport.atisFrequency);
        if (!IsAtisFrequency(frequency)) continue;
        chain.Branch(platform::Format("(AIR_DISTANCE( %s, %s) < 60) = TRUE AND COM_FREQ < %f AND COM_FREQ > %f\n",
                                      run.Angle(airport.latitude).c_str(), run.Angle(airport.longitude).c_str(),
                                      frequency + kAtisTolerance, frequency - kAtisTolerance));
        run.out.Printf("\t\t'\t%s\n", airport.name.c_str());
    }
    if (chain.Written()) {
        run.out.WriteLine(
            "\tELSE\n\t\tdSound_play = ELAPSED_TIME+ INT(RANDOM * 15) + 5\t'Give random spaces\n"
            "\t\tONEXP_TRUE ELAPSED_TIME > dSound_play GOSUB subSound\n\t\tRETURN\n");
        chain.Close();
    } else {
        run.out.WriteLine(kNoValidFrequency);
    }
    run.out.WriteBlankLine();
}

// Titles of the user's sound files, the suite's fixed call-out sounds left out.
std::vector<std::string> SoundTitles(const std::string& folder) {
    std::vector<std::string> titles;
    for (const platform::FoundFile& file : platform::FindFiles(folder + kSoundFilePattern)) {
        if (file.isFolder || platform::LowerCased(file.name).find(kFixedSoundMark) != std::string::npos) continue;
        titles.push_back(file.name.substr(0, file.name.rfind('.')));
    }
    return titles;
}

void WriteSoundList(GenerationRun& run) {
    std::vector<std::string> titles = SoundTitles(run.Value(keys::kSound));
    // A folder of fixed call-outs only is treated as an empty one: no stray ENDIF.
    if (titles.empty()) {
        run.out.WriteLine("'\tAdd your sound files here\n");
        return;
    }
    run.out.Printf("\tdSound_play = INT( RANDOM * %zu)\n", titles.size());
    for (size_t k = 0; k < titles.size(); ++k) {
        if (k == 0)
            run.out.WriteLine("\tIF dSound_play = 0\n");
        else
            run.out.Printf("\tELSEIF dSound_play = %zu\n", k);
        run.out.WriteLine("\t\tPLAY \"" + QuoteSafe(titles[k]) + "\"\n");
    }
    run.out.WriteLine("\tENDIF\n");
}

}  // namespace

void WriteSubSound(GenerationRun& run) {
    SourceWriter& out = run.out;
    out.WriteBlankLine();
    out.WriteRule();
    out.WriteLine("'\tSound\n");
    out.WriteRule();
    out.WriteBlankLine();
    out.WriteLine("subSound:\n");
    out.WriteBlankLine();
    out.WriteLine("\tONEXP_CLEAR subSound\n");
    WriteAtisGate(run);
    WriteSoundList(run);
    out.WriteLine(kRetryLater);
    out.WriteBlankLine();
    out.WriteLine("RETURN\n");
}

}  // namespace textorin
