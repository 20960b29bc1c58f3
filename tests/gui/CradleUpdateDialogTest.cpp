// The cradle update dialog against simulated cradles: the device list at opening, Browse, the
// checks at Start update, and the update followed on the window's thread to its end.

#include <gtest/gtest.h>

#include <algorithm>

#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include "GuiTestUi.h"
#include "cradle/DfuTestFiles.h"
#include "cradle/SimCradle.h"
#include "gui/cradle/CradleDialogs.h"
#include "session/Config.h"

namespace feld {
namespace {

using stdfu::SimDfuConfig;

// A cradle that answers fast: 300 ms for the start command (three steps of the bar), 100 ms per
// written block, so that a look every 100 ms sees each phase move.
SimDfuConfig fastCradle()
{
    SimDfuConfig c;
    c.startPollMs = 300;
    c.pollMs = 100;
    return c;
}

struct Controls {
    explicit Controls(QDialog& d)
        : fileName(d.findChild<QLineEdit*>(QStringLiteral("fileName"))),
          browse(d.findChild<QPushButton*>(QStringLiteral("browse"))),
          devices(d.findChild<QComboBox*>(QStringLiteral("devices"))),
          start(d.findChild<QPushButton*>(QStringLiteral("start"))),
          cancel(d.findChild<QPushButton*>(QStringLiteral("cancel"))),
          progress(d.findChild<QProgressBar*>(QStringLiteral("progress")))
    {
    }
    bool complete() const { return fileName && browse && devices && start && cancel && progress; }
    // Browse, Start update and Cancel all usable (true) or all disabled (false).
    bool buttonsEnabled(bool on) const
    {
        return browse->isEnabled() == on && start->isEnabled() == on && cancel->isEnabled() == on;
    }

    QLineEdit* fileName;
    QPushButton* browse;
    QComboBox* devices;
    QPushButton* start;
    QPushButton* cancel;
    QProgressBar* progress;
};

class CradleUpdateDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        config_.mainPath = dir_.path().string() + "/";
        // Four 128-byte blocks of the write area hold data.
        std::string records;
        for (std::uint16_t a : {0x8000, 0x8080, 0x9000, 0xA000})
            records += test::s1(a, {0x12, 0x34, static_cast<std::uint8_t>(a >> 8)});
        auto bytes = test::withSuffix(records, 0xFE1D, 0x0C8D, 0x0110);
        test::WriteFile(dir_ / "fw.dfu", bytes);
        bytes.back() ^= 0x01;  // the suffix CRC no longer matches
        test::WriteFile(dir_ / "bad.dfu", bytes);
    }
    std::string file(const char* name) const { return (dir_ / name).string(); }

    test::TempDir dir_;
    Config config_;
    test::GuiTestUi ui_;
};

TEST_F(CradleUpdateDialogTest, UpdateOfTheSelectedCradleMovesTheBarAndEndsWith61294)
{
    SimDfuConfig other = fastCradle();
    other.name = "Another vendor's cradle";
    other.vendor = 0x1234;
    test::SimCradles sim({other, fastCradle()});
    gui::CradleUpdateDialog dialog(config_, ui_);
    ASSERT_TRUE(dialog.Ready());
    dialog.show();
    Controls c(dialog);
    ASSERT_TRUE(c.complete());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("充電座韌體更新"));
    ASSERT_EQ(c.devices->count(), 2);
    EXPECT_EQ(c.devices->itemText(1), QStringLiteral("FeldSpan Cradle (simulated)"));
    EXPECT_EQ(c.progress->maximum(), kDfuProgressRange);

    ui_.files = {file("fw.dfu")};
    c.browse->click();
    EXPECT_EQ(c.fileName->text(), QStringLiteral("fw.dfu"));
    ASSERT_EQ(ui_.fileRequests.size(), 1u);
    EXPECT_EQ(ui_.fileRequests[0].filter, "DFU Files (*.dfu) |*.dfu||");
    EXPECT_EQ(ui_.fileRequests[0].initialFolder, config_.mainPath);

    // The first cradle listed is another vendor's: refused before anything is sent to it.
    c.start->click();
    ASSERT_EQ(ui_.shown.size(), 1u);
    EXPECT_EQ(ui_.shown[0].text, QStringLiteral("Vendor ID does not match !"));
    EXPECT_TRUE(sim.device(0).events().empty());
    EXPECT_TRUE(c.buttonsEnabled(true));

    std::vector<int> positions;
    QObject::connect(c.progress, &QProgressBar::valueChanged, [&](int v) { positions.push_back(v); });
    int positionAtDone = -1;
    QObject::connect(&ui_, &gui::QtUi::messageShown, [&](int id, const QString&, int) {
        if (id == txt::kCradleDone)
            positionAtDone = c.progress->value();
    });
    c.devices->setCurrentIndex(1);
    c.start->click();
    // While the worker writes, nothing but the bar moves, and the dialog stays open.
    EXPECT_TRUE(dialog.Updating());
    EXPECT_TRUE(c.buttonsEnabled(false));
    dialog.reject();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible());

    ASSERT_TRUE(ui_.waitForMessage(txt::kCradleDone));
    EXPECT_EQ(ui_.shownIds(), (std::vector<int>{0, txt::kCradleDone}));
    EXPECT_EQ(positionAtDone, kDfuProgressRange);
    auto seen = [&](int above, int below) {
        return std::any_of(positions.begin(), positions.end(), [&](int v) { return v > above && v < below; });
    };
    EXPECT_TRUE(seen(0, 101)) << "the start command moves the bar";
    EXPECT_TRUE(seen(100, kDfuProgressRange)) << "the written blocks move the bar";
    ASSERT_FALSE(positions.empty());
    EXPECT_TRUE(std::is_sorted(positions.begin(), positions.end() - 1));
    EXPECT_EQ(positions.back(), 0) << "the bar goes back to 0 after the end";
    EXPECT_FALSE(dialog.Updating());
    EXPECT_TRUE(c.buttonsEnabled(true));
    EXPECT_EQ(sim.device(1).memory()[0xA002], 0xA0);
    EXPECT_TRUE(sim.device(0).events().empty());

    dialog.reject();
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(CradleUpdateDialogTest, NoCradleShows61290AndTheDialogIsNotReady)
{
    test::SimCradles sim(std::vector<SimDfuConfig>{});
    gui::CradleUpdateDialog dialog(config_, ui_);
    EXPECT_FALSE(dialog.Ready());
    EXPECT_EQ(ui_.shownIds(), (std::vector<int>{txt::kNoCradleDevice}));
}

TEST_F(CradleUpdateDialogTest, RefusedFilesAndAWriteErrorLeaveTheDialogUsable)
{
    SimDfuConfig cradle = fastCradle();
    cradle.failBlock = 0x9000 / 8;
    cradle.failStatus = stdfu::kErrWrite;
    test::SimCradles sim(cradle);
    gui::CradleUpdateDialog dialog(config_, ui_);
    ASSERT_TRUE(dialog.Ready());
    Controls c(dialog);
    ASSERT_TRUE(c.complete());

    c.start->click();  // no file yet
    ui_.files = {file("fw.dfu"), file("bad.dfu")};
    c.browse->click();
    c.browse->click();  // a file that is not cradle firmware is forgotten
    EXPECT_TRUE(c.fileName->text().isEmpty());
    c.start->click();
    EXPECT_EQ(ui_.shownIds(), (std::vector<int>{txt::kOpenFileFirst, txt::kNotCradleFirmware, txt::kOpenFileFirst}));
    EXPECT_TRUE(sim.device().events().empty());

    ui_.files = {file("fw.dfu")};
    c.browse->click();
    c.start->click();
    EXPECT_TRUE(c.buttonsEnabled(false));
    ASSERT_TRUE(ui_.waitForMessage(txt::kCradleNotDone));
    EXPECT_EQ(ui_.shownIds().back(), txt::kCradleNotDone);
    EXPECT_FALSE(dialog.Updating());
    EXPECT_TRUE(c.buttonsEnabled(true));
    EXPECT_EQ(c.progress->value(), 0);
    EXPECT_EQ(sim.device().events().back().op, "close");
}

}  // namespace
}  // namespace feld
