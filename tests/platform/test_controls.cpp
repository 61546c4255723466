#include "platform/Exceptions.h"
#include "platform/Picture.h"
#include "platform/Testing.h"
#include "support/ScriptedWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace vemra::test;
using platform::ControlProperties;

namespace {

ControlProperties at(int left, int top, int width, int height, int tabIndex = 0)
{
    ControlProperties p;
    p.Left = left;
    p.Top = top;
    p.Width = width;
    p.Height = height;
    p.TabIndex = tabIndex;
    return p;
}

ControlProperties withRows(const std::string& rows, int listIndex = 0)
{
    ControlProperties p = at(105, 16, 71, 20);
    p.InitialValue = rows;
    p.ListIndex = listIndex;
    return p;
}

class ControlsTest : public ScriptedWindowTest {
protected:
    // A shown window whose CreateControls runs `create`.
    ScriptedWindow* windowWith(const std::function<void(ScriptedWindow&)>& create)
    {
        ScriptedWindow* window = openScripted([&](ScriptedWindow& w) {
            w.properties.Width = 385;
            w.properties.Height = 706;
            w.onCreateControls = create;
        });
        EXPECT_TRUE(QTest::qWaitForWindowActive(window->frame()));
        return window;
    }
};

// --- geometry, state and text look -----------------------------------------------------------

TEST_F(ControlsTest, PropertiesPlaceTheControlInTheContentArea)
{
    platform::Label* label = nullptr;
    windowWith([&](ScriptedWindow& w) {
        ControlProperties p = at(20, 46, 100, 20);
        p.Text = "アラーム音";
        label = w.addControl<platform::Label>("StaticText1", p);
    });
    EXPECT_EQ(label->widget()->geometry(), QRect(20, 46, 100, 20));
    EXPECT_EQ(label->Left(), 20);
    EXPECT_EQ(label->Top(), 46);
    EXPECT_EQ(label->Width(), 100);
    EXPECT_EQ(label->Height(), 20);
    EXPECT_EQ(label->Text(), "アラーム音");
    EXPECT_TRUE(label->Enabled());
    EXPECT_TRUE(label->Visible());
    EXPECT_FALSE(label->TabStop()); // labels never take the keyboard focus
}

TEST_F(ControlsTest, TextSizeTwelveIsTwelvePixelsAndOtherControlsKeepTheDefaultSize)
{
    platform::Label* sized = nullptr;
    platform::Label* plain = nullptr;
    windowWith([&](ScriptedWindow& w) {
        sized = w.newControl<platform::Label>();
        sized->Constructor();
        w.addControl("sized", sized);
        sized->setTextSize(12);
        sized->setTextUnit(0);
        ControlProperties p = at(20, 123, 100, 20);
        p.Text = "声優";
        sized->_SetProperties(p);
        plain = w.newControl<platform::Label>();
        plain->Constructor();
        w.addControl("plain", plain);
        plain->setTextUnit(0);
        p.Text = "時";
        plain->_SetProperties(p);
    });
    EXPECT_EQ(sized->widget()->font().pixelSize(), 12);
    EXPECT_EQ(sized->widget()->font().family(), QStringLiteral("Lucida Grande"));
    const QFont standard = QApplication::font(plain->widget());
    EXPECT_EQ(plain->widget()->font().pointSizeF(), standard.pointSizeF());
    EXPECT_EQ(plain->widget()->font().pixelSize(), standard.pixelSize());
}

TEST_F(ControlsTest, JapaneseTextRendersAsDistinctGlyphs)
{
    platform::Label* first = nullptr;
    platform::Label* second = nullptr;
    windowWith([&](ScriptedWindow& w) {
        ControlProperties p = at(20, 20, 40, 20);
        p.Text = "環";
        first = w.addControl<platform::Label>("first", p);
        first->setTextSize(12);
        p = at(20, 60, 40, 20);
        p.Text = "設";
        second = w.addControl<platform::Label>("second", p);
        second->setTextSize(12);
    });
    const QImage a = first->widget()->grab().toImage();
    const QImage b = second->widget()->grab().toImage();
    // A font without these characters would draw the same empty box for both.
    EXPECT_NE(a, b);
    const QImage blank = [&] {
        QImage image = a;
        image.fill(a.pixelColor(a.width() - 1, 0));
        return image;
    }();
    EXPECT_NE(a, blank);
}

TEST_F(ControlsTest, ControlMustBeConstructedInAWindowBeforeUse)
{
    platform::Label orphan;
    EXPECT_THROW(orphan.Constructor(), platform::NilObjectException);
    EXPECT_THROW(orphan._SetProperties(at(0, 0, 10, 10)), platform::NilObjectException);
    EXPECT_THROW(orphan.setTextSize(12), platform::NilObjectException);
    EXPECT_EQ(orphan.Text(), "");
    EXPECT_EQ(orphan.Width(), 0);
}

// --- check box and label texts ----------------------------------------------------------------

TEST_F(ControlsTest, CheckBoxKeepsItsCaptionLiterallyAndItsValue)
{
    platform::CheckBox* alarm = nullptr;
    platform::CheckBox* checked = nullptr;
    windowWith([&](ScriptedWindow& w) {
        ControlProperties p = at(19, 15, 80, 20);
        p.Caption = "アラーム";
        alarm = w.addControl<platform::CheckBox>("alarmCheck", p);
        p.Caption = "A&B";
        checked = w.addControl<platform::CheckBox>("checked", p);
    });
    EXPECT_EQ(alarm->Caption(), "アラーム");
    EXPECT_FALSE(alarm->Value());
    EXPECT_EQ(checked->Caption(), "A&B");

    alarm->setValue(true);
    EXPECT_TRUE(alarm->Value());
    QTest::mouseClick(alarm->widget(), Qt::LeftButton);
    EXPECT_FALSE(alarm->Value());
    alarm->setCaption("ミク & リン");
    EXPECT_EQ(alarm->Caption(), "ミク & リン");
}

TEST_F(ControlsTest, LabelShowsMarkupAsPlainText)
{
    platform::Label* label = nullptr;
    windowWith([&](ScriptedWindow& w) {
        ControlProperties p = at(0, 0, 100, 20);
        p.Text = "<b>x</b> & y";
        label = w.addControl<platform::Label>("label", p);
    });
    EXPECT_EQ(label->Text(), "<b>x</b> & y");
    EXPECT_EQ(static_cast<QLabel*>(label->widget())->textFormat(), Qt::PlainText);
}

// --- pop-up menus --------------------------------------------------------------------------------

TEST_F(ControlsTest, PopupRowsComeFromTheInitialValueSplitAtCarriageReturns)
{
    platform::PopupMenu* mode = nullptr;
    windowWith([&](ScriptedWindow& w) {
        mode = w.addControl<platform::PopupMenu>("voiceMode", withRows("セリフ+毎分\rセリフ（15分おき）\r毎分\rなし"));
    });
    ASSERT_EQ(mode->ListCount(), 4);
    EXPECT_EQ(mode->List(1), "セリフ（15分おき）");
    EXPECT_EQ(mode->ListIndex(), 0);
    EXPECT_EQ(mode->Text(), "セリフ+毎分");
    mode->setListIndex(3);
    EXPECT_EQ(mode->Text(), "なし");
    EXPECT_THROW(mode->List(4), platform::OutOfBoundsException);
    EXPECT_THROW(mode->List(-1), platform::OutOfBoundsException);
}

TEST_F(ControlsTest, PopupSelectionThatNamesNoRowLeavesNoRowSelected)
{
    platform::PopupMenu* hour = nullptr;
    windowWith([&](ScriptedWindow& w) { hour = w.addControl<platform::PopupMenu>("hour", withRows("00\r01\r02")); });
    for (int index : {3, 25, -1, -7}) {
        hour->setListIndex(1);
        hour->setListIndex(index);
        EXPECT_EQ(hour->ListIndex(), -1) << index;
        EXPECT_EQ(hour->Text(), "") << index;
    }
    EXPECT_EQ(static_cast<QComboBox*>(hour->widget())->currentText(), QString());
}

TEST_F(ControlsTest, EmptyPopupGivenListIndexZeroStaysEmptyAndAddedRowsSelectNothing)
{
    platform::PopupMenu* voice = nullptr;
    const int errorsBefore = platform::testing::reportedErrors();
    windowWith([&](ScriptedWindow& w) { voice = w.addControl<platform::PopupMenu>("alarmVoicePopup", withRows("", 0)); });
    EXPECT_EQ(platform::testing::reportedErrors(), errorsBefore);
    EXPECT_EQ(voice->ListCount(), 0);
    EXPECT_EQ(voice->ListIndex(), -1);
    EXPECT_EQ(voice->Text(), "");

    voice->AddRow("ミク");
    voice->AddRow("リン");
    EXPECT_EQ(voice->ListIndex(), -1);
    voice->setListIndex(1);
    EXPECT_EQ(voice->Text(), "リン");
    voice->AddRow("レン");
    EXPECT_EQ(voice->ListIndex(), 1);

    voice->DeleteAllRows();
    EXPECT_EQ(voice->ListCount(), 0);
    EXPECT_EQ(voice->ListIndex(), -1);
}

// --- push buttons and keys ---------------------------------------------------------------------

struct DialogButtons {
    platform::PushButton* ok = nullptr;
    platform::PushButton* cancel = nullptr;
    platform::PushButton* preview = nullptr;
    platform::CheckBox* box = nullptr;
    std::vector<std::string> pressed;
};

void addDialogButtons(ScriptedWindow& w, DialogButtons& b)
{
    ControlProperties p = at(99, 181, 90, 20, 21);
    b.box = w.addControl<platform::CheckBox>("nameCheck", p, 0);
    p = at(285, 666, 80, 20, 36);
    p.Caption = "OK";
    p.Default = true;
    b.ok = w.addControl<platform::PushButton>("PushButton1", p);
    p = at(176, 666, 96, 20, 37);
    p.Caption = "キャンセル";
    p.Cancel = true;
    b.cancel = w.addControl<platform::PushButton>("PushButton2", p);
    p = at(302, 47, 63, 20, 38);
    p.Caption = "試聴";
    b.preview = w.addControl<platform::PushButton>("PushButton3", p);
    for (platform::PushButton* button : {b.ok, b.cancel, b.preview})
        button->setAction([&b](platform::PushButton& pressed) { b.pressed.push_back(pressed.Name()); });
}

TEST_F(ControlsTest, ClickRunsTheButtonsAction)
{
    DialogButtons b;
    windowWith([&](ScriptedWindow& w) { addDialogButtons(w, b); });
    EXPECT_EQ(b.ok->Caption(), "OK");
    EXPECT_TRUE(b.ok->isDefault());
    EXPECT_FALSE(b.ok->isCancel());
    EXPECT_TRUE(b.cancel->isCancel());
    QTest::mouseClick(b.preview->widget(), Qt::LeftButton);
    b.cancel->push();
    EXPECT_EQ(b.pressed, (std::vector<std::string>{"PushButton3", "PushButton2"}));
}

TEST_F(ControlsTest, ReturnPressesTheDefaultButtonAndEscapeTheCancelButton)
{
    DialogButtons b;
    windowWith([&](ScriptedWindow& w) { addDialogButtons(w, b); });
    b.box->widget()->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(b.pressed, (std::vector<std::string>{"PushButton1", "PushButton1", "PushButton2"}));
}

TEST_F(ControlsTest, KeysNeverPressAButtonThatIsNeitherDefaultNorCancel)
{
    DialogButtons b;
    windowWith([&](ScriptedWindow& w) { addDialogButtons(w, b); });
    b.preview->widget()->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), b.preview->widget());
    QTest::keyClick(b.preview->widget(), Qt::Key_Space);
    QTest::keyClick(b.preview->widget(), Qt::Key_Return);
    EXPECT_EQ(b.pressed, (std::vector<std::string>{"PushButton1"}));
}

TEST_F(ControlsTest, ExceptionInAButtonActionIsReportedWithTheButtonsName)
{
    DialogButtons b;
    windowWith([&](ScriptedWindow& w) { addDialogButtons(w, b); });
    b.ok->setAction([](platform::PushButton&) { throw platform::NilObjectException("no main window"); });
    const int before = platform::testing::reportedErrors();
    QTest::mouseClick(b.ok->widget(), Qt::LeftButton);
    EXPECT_EQ(platform::testing::reportedErrors(), before + 1);
    EXPECT_EQ(platform::testing::lastReportedError(),
              "vemraViewer: unhandled NilObjectException in test.ScriptedWindow.PushButton1.Action: no main window");
    QTest::mouseClick(b.preview->widget(), Qt::LeftButton);
    EXPECT_EQ(b.pressed, (std::vector<std::string>{"PushButton3"}));
}

TEST_F(ControlsTest, ButtonActionMayCloseItsWindow)
{
    DialogButtons b;
    ScriptedWindow* window = windowWith([&](ScriptedWindow& w) { addDialogButtons(w, b); });
    const auto log = window->log;
    b.cancel->setAction([](platform::PushButton& button) {
        button.Window()->Close();
        EXPECT_EQ(button.Caption(), "キャンセル"); // still there until back in the event loop
    });
    QTest::keyClick(window->frame(), Qt::Key_Escape);
    platform::testing::processEvents();
    EXPECT_EQ(log->back(), "Close");
}

// --- keyboard focus ------------------------------------------------------------------------------

TEST_F(ControlsTest, TabMovesThroughTheTabStopsInTabIndexOrder)
{
    windowWith([&](ScriptedWindow& w) {
        // Created out of order, as the dialog creates nameCheck(7) last.
        ControlProperties popup = withRows("a");
        popup.TabIndex = 3;
        w.addControl<platform::PopupMenu>("c", popup);
        w.addControl<platform::CheckBox>("a", at(10, 10, 80, 20, 0));
        w.addControl<platform::Label>("label", at(10, 40, 80, 20, 1));
        w.addControl<platform::ImageWell>("well", at(10, 70, 72, 72, 2));
        w.addControl<platform::PushButton>("d", at(10, 180, 80, 20, 6));
        w.addControl<platform::CheckBox>("b", at(10, 210, 80, 20, 1));
    });
    std::vector<std::string> order;
    for (int i = 0; i < 5; ++i) {
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        order.push_back(focused->objectName().isEmpty() ? "?" : focused->objectName().toStdString());
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    EXPECT_EQ(order, (std::vector<std::string>{"a", "b", "c", "d", "a"}));
}

// --- image well and separator ------------------------------------------------------------------

TEST_F(ControlsTest, ImageWellShowsThePictureScaledToFitAndNilShowsNothing)
{
    platform::ImageWell* well = nullptr;
    windowWith([&](ScriptedWindow& w) { well = w.addControl<platform::ImageWell>("faceImage", at(20, 155, 72, 72), 0); });
    const QImage empty = well->widget()->grab().toImage();
    QImage wide(200, 100, QImage::Format_RGB32);
    wide.fill(QColor(255, 0, 0));
    well->setImage(std::make_shared<platform::Picture>(wide));
    const QImage shown = well->widget()->grab().toImage();
    EXPECT_EQ(shown.pixelColor(36, 36), QColor(255, 0, 0));
    EXPECT_EQ(shown.pixelColor(8, 36), QColor(255, 0, 0));   // scaled down to the well's width
    EXPECT_NE(shown.pixelColor(36, 8), QColor(255, 0, 0));   // and kept in proportion
    EXPECT_EQ(well->Image()->Width(), 200);

    well->setImage(nullptr);
    EXPECT_EQ(well->Image(), nullptr);
    EXPECT_EQ(well->widget()->grab().toImage(), empty);
}

TEST_F(ControlsTest, SeparatorDrawsALine)
{
    platform::Separator* line = nullptr;
    ScriptedWindow* window =
        windowWith([&](ScriptedWindow& w) { line = w.addControl<platform::Separator>("Separator1", at(20, 110, 363, 1)); });
    const QImage shown = line->widget()->grab().toImage();
    const QColor background = window->contentWidget()->palette().color(QPalette::Window);
    EXPECT_NE(shown.pixelColor(180, 0), background);
}

// --- timer ---------------------------------------------------------------------------------------

TEST_F(ControlsTest, TimerTakesItsModeAndPeriod)
{
    platform::Timer timer;
    EXPECT_EQ(timer.Mode(), 2);
    EXPECT_EQ(timer.Period(), 1000);
    timer._SetProperties({2, 500});
    EXPECT_EQ(timer.Mode(), 2);
    EXPECT_EQ(timer.Period(), 500);
    timer._SetProperties({7, -3});
    EXPECT_EQ(timer.Mode(), 0);
}

TEST_F(ControlsTest, RepeatingTimerFiresAgainAndAgain)
{
    platform::Timer timer;
    int ticks = 0;
    timer.setAction([&](platform::Timer& fired) {
        EXPECT_EQ(&fired, &timer);
        ++ticks;
    });
    timer.Constructor();
    timer._SetProperties({2, 5});
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= 3; }));
}

// A 500 ms timer ticks just after each whole and half second of the wall clock, never on or
// before it.
TEST(TimerTicksTest, ComeJustAfterEachMultipleOfThePeriod)
{
    constexpr std::int64_t second = 1'700'000'000'000; // a whole second since the epoch
    EXPECT_EQ(platform::nextTimerTick(second - 1, 500), second + 1); // hh:mm:59.999 ticks at 00.001
    EXPECT_EQ(platform::nextTimerTick(second, 500), second + 1);
    EXPECT_EQ(platform::nextTimerTick(second + 1, 500), second + 501);
    EXPECT_EQ(platform::nextTimerTick(-600, 500), -499); // a clock set before the epoch
}

TEST_F(ControlsTest, FireRunsTheActionNowAndReportsItsExceptions)
{
    platform::Timer timer;
    timer._SetProperties({0, 500});
    int ticks = 0;
    timer.setAction([&](platform::Timer&) {
        if (++ticks == 2)
            throw platform::IllegalCastException("not a timer");
    });
    const int before = platform::testing::reportedErrors();
    timer.fire();
    timer.fire();
    timer.fire();
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(platform::testing::reportedErrors(), before + 1);
    EXPECT_EQ(platform::testing::lastReportedError(),
              "vemraViewer: unhandled IllegalCastException in Timer.Action: not a timer");
}

} // namespace
