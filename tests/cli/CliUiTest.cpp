#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "cli/CliUi.h"

namespace feld::cli {
namespace {

// A CliUi over temporary files instead of the real standard streams.
class CliUiTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        for (std::FILE* f : {in_, out_, err_})
            if (f)
                std::fclose(f);
    }
    CliUi make(bool yes, bool verbose, bool interactive, bool errTerminal, const std::string& input = {},
               std::function<std::int64_t()> nowMs = {})
    {
        in_ = std::tmpfile();
        out_ = std::tmpfile();
        err_ = std::tmpfile();
        std::fputs(input.c_str(), in_);
        std::rewind(in_);
        CliUi::Streams s;
        s.in = in_;
        s.out = out_;
        s.err = err_;
        s.interactive = interactive;
        s.errIsTerminal = errTerminal;
        s.nowMs = std::move(nowMs);
        return CliUi(yes, verbose, s);
    }
    static std::string contents(std::FILE* f)
    {
        std::fflush(f);
        std::rewind(f);
        std::string s;
        char buf[4096];
        std::size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, f)) > 0)
            s.append(buf, n);
        return s;
    }
    std::string err() { return contents(err_); }
    std::string out() { return contents(out_); }

    std::FILE* in_ = nullptr;
    std::FILE* out_ = nullptr;
    std::FILE* err_ = nullptr;
};

TEST_F(CliUiTest, MessagesGoToStderrWithTheirKind)
{
    CliUi ui = make(false, false, false, false);
    ui.showMessage(61243, "連線失敗...", Icon::Exclamation);
    ui.showMessage(0, "PDT return error : 9 ! ", Icon::Stop);
    ui.showMessage(61244, "line one\r\nline two", Icon::Information);
    ui.addMessageLine("複製C:\\Data\\A.TXT完成");
    EXPECT_EQ(err(), "error: 連線失敗...\nerror: PDT return error : 9 ! \nline one\nline two\n");
    EXPECT_EQ(out(), "複製C:\\Data\\A.TXT完成\n");
    EXPECT_EQ(ui.problemsShown(), 2);
}

TEST_F(CliUiTest, YesAcceptsEveryQuestionAndSaysSo)
{
    CliUi ui = make(true, false, false, false);
    EXPECT_EQ(ui.ask(61247, "Format?", Buttons::YesNo, Icon::Question), Answer::Yes);
    EXPECT_EQ(ui.ask(61254, "Update?", Buttons::OkCancel, Icon::Question), Answer::Ok);
    std::string e = err();
    EXPECT_NE(e.find("Format? -> Yes"), std::string::npos) << e;
    EXPECT_NE(e.find("Update? -> OK"), std::string::npos) << e;
}

TEST_F(CliUiTest, WithoutATerminalQuestionsAreDeclined)
{
    CliUi ui = make(false, false, false, false, "y\ny\n");
    EXPECT_EQ(ui.ask(61247, "Format?", Buttons::YesNo, Icon::Question), Answer::No);
    EXPECT_EQ(ui.ask(61254, "Update?", Buttons::OkCancel, Icon::Question), Answer::Cancel);
    std::string e = err();
    EXPECT_NE(e.find("Format? -> No"), std::string::npos) << e;
    EXPECT_NE(e.find("--yes"), std::string::npos) << e;
}

TEST_F(CliUiTest, OnATerminalTheUserAnswers)
{
    std::string longLine(200, 'y');
    CliUi ui = make(false, false, true, false, "y\n no \nOK\n" + longLine + "\nyes\n");
    EXPECT_EQ(ui.ask(1, "A?", Buttons::YesNo, Icon::Question), Answer::Yes);
    EXPECT_EQ(ui.ask(2, "B?", Buttons::YesNo, Icon::Question), Answer::No);
    EXPECT_EQ(ui.ask(3, "C?", Buttons::OkCancel, Icon::Question), Answer::Ok);
    // An over-long answer is refused and does not spill into the next question.
    EXPECT_EQ(ui.ask(4, "D?", Buttons::YesNo, Icon::Question), Answer::No);
    EXPECT_EQ(ui.ask(5, "E?", Buttons::YesNo, Icon::Question), Answer::Yes);
    // End of input declines.
    EXPECT_EQ(ui.ask(6, "F?", Buttons::OkCancel, Icon::Question), Answer::Cancel);
    EXPECT_NE(err().find("A? [y/N]"), std::string::npos);
}

TEST_F(CliUiTest, ProgressWithoutATerminalPrintsAFewLines)
{
    CliUi ui = make(false, false, false, false);
    {
        auto p = ui.openProgress(ProgressKind::Sending, "Sending....", "...\\A.TXT");
        for (int i = 0; i <= 100; ++i)
            p->setPercent(i);
    }
    std::string e = err();
    EXPECT_EQ(e.find('\r'), std::string::npos);
    int lines = 0;
    for (char c : e)
        lines += c == '\n';
    EXPECT_GE(lines, 2);
    EXPECT_LE(lines, 6);
    EXPECT_NE(e.find("100%"), std::string::npos) << e;
}

TEST_F(CliUiTest, ProgressOnATerminalRedrawsOneLine)
{
    CliUi ui = make(false, false, false, true);
    {
        auto p = ui.openProgress(ProgressKind::Receiving, "Receiving....", "");
        p->setPercent(40);
        ui.showMessage(0, "in between", Icon::Exclamation);
        p->setPercent(150);  // clamped
    }
    std::string e = err();
    EXPECT_NE(e.find("\rReceiving.... ["), std::string::npos) << e;
    // The message starts on a line of its own, not glued to the bar.
    EXPECT_NE(e.find(" 40%\x1b[K\nerror: in between\n"), std::string::npos) << e;
    EXPECT_NE(e.find("100%"), std::string::npos);
    EXPECT_EQ(e.back(), '\n');
}

TEST_F(CliUiTest, ATransferShowsItsBytesRateAndTimeLeft)
{
    std::int64_t now = 0;
    CliUi ui = make(false, false, false, true, {}, [&now] { return now; });
    {
        auto p = ui.openProgress(ProgressKind::Sending, "Sending....", "");
        now = 2000;
        p->setBytes(20480, 81920);  // 10 KiB/s, 60 KiB to go
    }
    std::string e = err();
    EXPECT_NE(e.find("20.0 KiB / 80.0 KiB, 10.0 KiB/s, 0:06 left"), std::string::npos) << e;
}

TEST_F(CliUiTest, FileChoosersTakePresetAnswersInOrder)
{
    CliUi ui = make(false, false, false, false);
    ui.presetFile("/tmp/kernel.bin");
    ui.presetFile("/tmp/out");
    EXPECT_EQ(ui.chooseFile({"Kernel", "*.bin", "*.bin", "", true, false}), "/tmp/kernel.bin");
    EXPECT_EQ(ui.chooseFolder("Folder", "/"), "/tmp/out");
    EXPECT_EQ(ui.chooseFile({}), std::nullopt);
}

TEST_F(CliUiTest, PortDialogKeepsTheRecord)
{
    CliUi ui = make(false, false, false, false);
    PortSettings p;
    p.serialDevice = "/dev/pts/7";
    p.baudrate = 9600;
    PortSettings before = p;
    EXPECT_TRUE(ui.editPortSettings(p));
    EXPECT_EQ(p, before);
}

TEST_F(CliUiTest, DebugAndStatusOnlyWhenVerbose)
{
    {
        CliUi quiet = make(false, false, false, false);
        quiet.debugLine("frame 1");
        quiet.setStatusText("Sending");
        EXPECT_EQ(err(), "");
        TearDown();
        in_ = out_ = err_ = nullptr;
    }
    CliUi loud = make(false, true, false, false);
    loud.debugLine("frame 1");
    loud.setStatusText("Sending");
    // The link's own line breaks around a line make no empty debug lines.
    loud.debugLine("\nS[1], Retry[1]");
    loud.debugLine("\n");
    EXPECT_EQ(err(), "debug: frame 1\nstatus: Sending\ndebug: S[1], Retry[1]\n");
}

TEST_F(CliUiTest, LinesFromManyThreadsStayWhole)
{
    CliUi ui = make(false, false, false, false);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&ui, t] {
            for (int i = 0; i < 200; ++i) {
                ui.showMessage(0, "thread " + std::to_string(t) + " message " + std::to_string(i), Icon::Information);
                ui.addMessageLine("line " + std::to_string(t));
            }
        });
    for (auto& th : threads)
        th.join();
    std::string e = err();
    int lines = 0;
    std::size_t pos = 0;
    while (pos < e.size()) {
        std::size_t nl = e.find('\n', pos);
        ASSERT_NE(nl, std::string::npos);
        EXPECT_EQ(e.compare(pos, 7, "thread "), 0) << e.substr(pos, nl - pos);
        ++lines;
        pos = nl + 1;
    }
    EXPECT_EQ(lines, 800);
    EXPECT_EQ(out().size(), 800u * 7u);
}

}  // namespace
}  // namespace feld::cli
