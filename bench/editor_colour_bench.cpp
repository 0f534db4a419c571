// Opening a 2 MB adventure source in the editor's view, coloured block by block, beside a
// read(2) of the same bytes; and one key typed in the middle of that source, coloured
// again. Runs on the offscreen platform in a private drive C.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <QApplication>
#include <QTextBlock>
#include <filesystem>
#include <string>

#include "platform/files.h"
#include "platform/message_box.h"
#include "quillet/command_list.h"
#include "quillet_doc.h"
#include "quillet_view.h"
#include "source_edit.h"
#include "view_host.h"

namespace {

constexpr std::size_t kSourceBytes = 2 * 1024 * 1024;
constexpr const char* kSourcePath = "C:\\Adv\\Large.txt";

// The view's surroundings, reduced to the command list it colours with.
class BenchHost : public quillet::ViewHost {
public:
    BenchHost()
        : commands_({quillet::CommandField("IF"), quillet::CommandField("ENDIF"), quillet::CommandField("GOSUB"),
                     quillet::CommandField("RETURN"), quillet::CommandField("DECLARE")}) {}
    const quillet::CommandList& Commands() const override { return commands_; }
    void ShowStatus(const std::string&) override {}
    void StartLabelScan(quillet::CQuilletDoc&) override {}
    void OnViewActivated(quillet::CQuilletView&) override {}
    quillet::CFindDlg& FindDialog() override { std::abort(); }
    bool RunFind(quillet::CQuilletView&, const std::string&) override { return false; }

private:
    quillet::CommandList commands_;
};

// A source in the shape of the generator's: labels, blocks, statements with quoted texts
// and comments.
std::string LargeSource() {
    std::string text;
    for (int n = 0; text.size() < kSourceBytes; ++n) {
        const std::string id = std::to_string(n);
        text += "subLeg_" + id + ":\t' leg " + id + "\r\n";
        text += "\tIF dDistance_" + id + " < 5 AND iSequence = " + id + "\r\n";
        text += "\t\tGOSUB subAtcCall ; \"Tower, leg " + id + "\"\r\n";
        text += "\t\tdHeading = (dHeading + 10) / 2\r\n";
        text += "\tENDIF\r\n\tRETURN\r\n\r\n";
    }
    return text;
}

std::filesystem::path MakeDrive() {
    std::string folder = (std::filesystem::temp_directory_path() / "quillet-bench-XXXXXX").string();
    if (::mkdtemp(folder.data()) == nullptr) std::abort();
    ::setenv("QUILLET_DRIVE_C", folder.c_str(), 1);
    std::filesystem::create_directories(std::filesystem::path(folder) / "Adv");
    if (!platform::ReplaceFileBytes(kSourcePath, LargeSource())) std::abort();
    return folder;
}

void BM_ReadSourceBytes(benchmark::State& state) {
    const std::string host = (std::filesystem::path(std::getenv("QUILLET_DRIVE_C")) / "Adv" / "Large.txt").string();
    std::string buffer(kSourceBytes * 2, '\0');
    for (auto _ : state) {
        const int fd = ::open(host.c_str(), O_RDONLY);
        const ssize_t got = ::read(fd, buffer.data(), buffer.size());
        ::close(fd);
        benchmark::DoNotOptimize(got);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(kSourceBytes));
}
BENCHMARK(BM_ReadSourceBytes)->Unit(benchmark::kMillisecond);

void BM_OpenAndColourSource(benchmark::State& state) {
    BenchHost host;
    for (auto _ : state) {
        quillet::CQuilletDoc document("");
        document.OnOpenDocument(kSourcePath);
        quillet::CQuilletView view(document, host, true);
        if (!view.LoadFile(kSourcePath)) std::abort();
        benchmark::DoNotOptimize(view.LineCount());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(kSourceBytes));
}
BENCHMARK(BM_OpenAndColourSource)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_TypeInTheMiddleOfTheSource(benchmark::State& state) {
    BenchHost host;
    quillet::CQuilletDoc document("");
    document.OnOpenDocument(kSourcePath);
    quillet::CQuilletView view(document, host, true);
    if (!view.LoadFile(kSourcePath)) std::abort();
    QTextCursor cursor(view.Edit().document()->findBlockByNumber(view.LineCount() / 2));
    for (auto _ : state) {
        cursor.insertText(QStringLiteral("x"));
        cursor.deletePreviousChar();
    }
}
BENCHMARK(BM_TypeInTheMiddleOfTheSource)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication application(argc, argv);
    const std::filesystem::path drive = MakeDrive();
    // The question before colouring a large file is answered Yes.
    platform::SetMessageBoxHandler([](const platform::MessageBoxRequest&) { return platform::MbResult::Yes; });
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(drive);
    return 0;
}
