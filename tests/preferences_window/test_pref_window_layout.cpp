// The dialog as it stands before its Open handler fills it in, and as the menu item shows it:
// the window's frame, the 38 controls with their places, texts, rows and focus order, the two
// control arrays and the buttons' roles.

#include "support/AppFolder.h"
#include "support/PreferencesDialog.h"

#include "clock/MainWindow.h"
#include "platform/Controls.h"
#include "platform/Testing.h"
#include "preferences_window/PrefWindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QSet>
#include <QWidget>

#include <algorithm>
#include <string>
#include <vector>

using vemra::test::AppFolder;
using vemra::test::choosePreferences;
using vemra::test::openPrefWindow;

namespace {

enum class Kind { Popup, Label, Well, Check, Separator, Button };

struct Expected {
    const char* name;
    int index; // -1: not an array member
    Kind kind;
    int left, top, width, height, tab;
    const char* text; // caption or label text
    bool size12;
};

// In the order the window creates them.
const std::vector<Expected> kControls = {
    {"alarmVoicePopup", -1, Kind::Popup, 105, 47, 185, 20, 0, "", true},
    {"StaticText1", -1, Kind::Label, 20, 46, 100, 20, 1, "アラーム音", true},
    {"StaticText2", -1, Kind::Label, 20, 78, 100, 20, 2, "時報", true},
    {"voiceMode", -1, Kind::Popup, 105, 78, 185, 20, 3, "", true},
    {"alarmHourPopup", -1, Kind::Popup, 105, 16, 71, 20, 4, "", true},
    {"alarmMinPopup", -1, Kind::Popup, 219, 16, 71, 20, 6, "", true},
    {"StaticText4", -1, Kind::Label, 186, 15, 17, 20, 7, "時", false},
    {"StaticText5", -1, Kind::Label, 297, 16, 17, 20, 8, "分", false},
    {"faceImage", 0, Kind::Well, 20, 155, 72, 72, 9, "", false},
    {"faceImage", 1, Kind::Well, 20, 239, 72, 72, 10, "", false},
    {"faceImage", 2, Kind::Well, 20, 323, 72, 72, 11, "", false},
    {"faceImage", 3, Kind::Well, 20, 407, 72, 72, 12, "", false},
    {"faceImage", 4, Kind::Well, 20, 491, 72, 72, 13, "", false},
    {"faceImage", 5, Kind::Well, 20, 575, 72, 72, 14, "", false},
    {"faceImage", 6, Kind::Well, 194, 155, 72, 72, 15, "", false},
    {"faceImage", 7, Kind::Well, 194, 239, 72, 72, 16, "", false},
    {"faceImage", 8, Kind::Well, 194, 323, 72, 72, 17, "", false},
    {"faceImage", 9, Kind::Well, 194, 407, 72, 72, 18, "", false},
    {"faceImage", 10, Kind::Well, 194, 491, 72, 72, 19, "", false},
    {"faceImage", 11, Kind::Well, 194, 575, 72, 72, 20, "", false},
    {"nameCheck", 0, Kind::Check, 99, 181, 90, 20, 21, "", true},
    {"nameCheck", 1, Kind::Check, 99, 265, 90, 20, 22, "", true},
    {"nameCheck", 2, Kind::Check, 99, 349, 90, 20, 23, "", true},
    {"nameCheck", 3, Kind::Check, 99, 433, 90, 20, 24, "", true},
    {"nameCheck", 4, Kind::Check, 99, 517, 90, 20, 25, "", true},
    {"nameCheck", 5, Kind::Check, 99, 601, 90, 20, 26, "", true},
    {"nameCheck", 6, Kind::Check, 275, 181, 90, 20, 27, "", true},
    {"nameCheck", 8, Kind::Check, 275, 349, 90, 20, 29, "", true},
    {"nameCheck", 9, Kind::Check, 275, 433, 90, 20, 30, "", true},
    {"nameCheck", 10, Kind::Check, 275, 517, 90, 20, 31, "", true},
    {"nameCheck", 11, Kind::Check, 275, 601, 90, 20, 32, "", true},
    {"nameCheck", 7, Kind::Check, 275, 265, 90, 20, 28, "", true},
    {"StaticText6", -1, Kind::Label, 20, 123, 100, 20, 33, "声優", true},
    {"Separator1", -1, Kind::Separator, 20, 110, 363, 1, 34, "", false},
    {"alarmCheck", -1, Kind::Check, 19, 15, 80, 20, 35, "アラーム", true},
    {"PushButton1", -1, Kind::Button, 285, 666, 80, 20, 36, "OK", false},
    {"PushButton2", -1, Kind::Button, 176, 666, 96, 20, 37, "キャンセル", false},
    {"PushButton3", -1, Kind::Button, 302, 47, 63, 20, 38, "試聴", false},
};

platform::RectControl* lookUp(PrefWindow& window, const Expected& expected)
{
    platform::Control* control = expected.index < 0 ? window.controlByName(expected.name)
                                                    : window.controlByNameIndex(expected.name, expected.index);
    return dynamic_cast<platform::RectControl*>(control);
}

std::string describe(const Expected& expected)
{
    return expected.index < 0 ? expected.name : std::string(expected.name) + "(" + std::to_string(expected.index) + ")";
}

bool isOfKind(platform::RectControl* control, Kind kind)
{
    switch (kind) {
    case Kind::Popup: return dynamic_cast<platform::PopupMenu*>(control) != nullptr;
    case Kind::Label: return dynamic_cast<platform::Label*>(control) != nullptr;
    case Kind::Well: return dynamic_cast<FaceImage*>(control) != nullptr;
    case Kind::Check: return dynamic_cast<platform::CheckBox*>(control) != nullptr;
    case Kind::Separator: return dynamic_cast<platform::Separator*>(control) != nullptr;
    case Kind::Button: return dynamic_cast<platform::PushButton*>(control) != nullptr;
    }
    return false;
}

std::string shownText(platform::RectControl* control)
{
    if (auto* label = dynamic_cast<platform::Label*>(control))
        return label->Text();
    if (auto* box = dynamic_cast<platform::CheckBox*>(control))
        return box->Caption();
    if (auto* button = dynamic_cast<platform::PushButton*>(control))
        return button->Caption();
    return "";
}

bool hasTheDefaultTextSize(QWidget* widget)
{
    const QFont standard = QApplication::font(widget);
    return widget->font().pixelSize() == standard.pixelSize()
           && widget->font().pointSizeF() == standard.pointSizeF();
}

std::vector<std::string> rowsOf(platform::PopupMenu* popup)
{
    std::vector<std::string> rows;
    for (int row = 0; row < popup->ListCount(); ++row)
        rows.push_back(popup->List(row));
    return rows;
}

std::vector<std::string> twoDigitRows(int last)
{
    std::vector<std::string> rows;
    for (int n = 0; n <= last; ++n)
        rows.push_back((n < 10 ? "0" : "") + std::to_string(n));
    return rows;
}

// The dialog exactly as CreateControls leaves it: made and constructed, but with an Open
// handler that has nothing to do.
class BareDialog : public PrefWindow {
public:
    void Event_Open() override {}
};

class PrefWindowLayoutTest : public ::testing::Test {
protected:
    AppFolder folder;
};

TEST_F(PrefWindowLayoutTest, IsAFixedSizeDialogTitledInJapaneseWithoutCloseZoomOrMinimise)
{
    mainWindow();
    EXPECT_TRUE(choosePreferences([](PrefWindow& dialog) {
        QWidget* content = dialog.contentWidget();
        QWidget* frame = content->window();
        EXPECT_EQ(content->size(), QSize(385, 706));
        EXPECT_EQ(dialog.Title(), "環境設定");
        EXPECT_EQ(frame->windowTitle(), QStringLiteral("環境設定"));
        EXPECT_TRUE(frame->isModal());
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(frame->minimumSize(), frame->maximumSize());
        EXPECT_FALSE(frame->windowFlags() & Qt::WindowCloseButtonHint);
        EXPECT_FALSE(frame->windowFlags() & Qt::WindowMinimizeButtonHint);
        EXPECT_FALSE(frame->windowFlags() & Qt::WindowMaximizeButtonHint);
        EXPECT_EQ(dialog.MenuBar(), nullptr); // the dialog brings no bar of its own
        dialog.PushButton2()->push();
    }));
}

TEST_F(PrefWindowLayoutTest, EveryControlStandsWhereTheDesignerPutItWithItsTextAndFocusOrder)
{
    mainWindow();
    auto* dialog = platform::implicitWindow<BareDialog>(PrefWindow::kClassName);
    QSet<platform::RectControl*> seen;
    for (const Expected& expected : kControls) {
        SCOPED_TRACE(describe(expected));
        platform::RectControl* control = lookUp(*dialog, expected);
        ASSERT_NE(control, nullptr);
        EXPECT_FALSE(seen.contains(control));
        seen.insert(control);
        EXPECT_TRUE(isOfKind(control, expected.kind));
        EXPECT_EQ(control->Window(), dialog);
        EXPECT_EQ(control->Index, expected.index < 0 ? platform::kNotAnArrayMember : expected.index);
        EXPECT_EQ(control->Left(), expected.left);
        EXPECT_EQ(control->Top(), expected.top);
        EXPECT_EQ(control->Width(), expected.width);
        EXPECT_EQ(control->Height(), expected.height);
        EXPECT_EQ(control->widget()->geometry(), QRect(expected.left, expected.top, expected.width, expected.height));
        EXPECT_EQ(control->widget()->parentWidget(), dialog->contentWidget());
        EXPECT_EQ(control->TabIndex(), expected.tab);
        EXPECT_EQ(control->TabStop(), expected.kind != Kind::Label);
        EXPECT_TRUE(control->Enabled());
        EXPECT_TRUE(control->Visible());
        EXPECT_EQ(shownText(control), expected.text);
        if (expected.kind == Kind::Check) {
            EXPECT_FALSE(dynamic_cast<platform::CheckBox*>(control)->Value());
        }
        if (expected.kind == Kind::Well) {
            EXPECT_EQ(dynamic_cast<platform::ImageWell*>(control)->Image(), nullptr);
        }
        if (expected.size12) {
            EXPECT_EQ(control->widget()->font().pixelSize(), 12); // size 12 in the default unit
        } else if (expected.kind == Kind::Label || expected.kind == Kind::Button) {
            EXPECT_TRUE(hasTheDefaultTextSize(control->widget()));
        }
    }
    EXPECT_EQ(seen.size(), 38);
}

TEST_F(PrefWindowLayoutTest, ControlsAreMadeInTheDesignersOrderWithTheSeventhNameBoxLast)
{
    mainWindow();
    auto* dialog = platform::implicitWindow<BareDialog>(PrefWindow::kClassName);
    std::vector<QWidget*> expectedOrder;
    for (const Expected& expected : kControls)
        expectedOrder.push_back(lookUp(*dialog, expected)->widget());
    std::vector<QWidget*> madeOrder;
    for (QObject* child : dialog->contentWidget()->children())
        if (auto* widget = qobject_cast<QWidget*>(child); widget && std::find(expectedOrder.begin(), expectedOrder.end(), widget) != expectedOrder.end())
            madeOrder.push_back(widget);
    EXPECT_EQ(madeOrder, expectedOrder);
}

TEST_F(PrefWindowLayoutTest, PopupMenusStartOnRowZeroOfTheirFixedRows)
{
    mainWindow();
    auto* dialog = platform::implicitWindow<BareDialog>(PrefWindow::kClassName);

    EXPECT_EQ(rowsOf(dialog->voiceMode()),
              (std::vector<std::string>{"セリフ+毎分", "セリフ（15分おき）", "毎分", "なし"}));
    EXPECT_EQ(rowsOf(dialog->alarmHourPopup()), twoDigitRows(24));
    EXPECT_EQ(rowsOf(dialog->alarmMinPopup()), twoDigitRows(59));
    EXPECT_EQ(dialog->alarmVoicePopup()->ListCount(), 0);

    EXPECT_EQ(dialog->voiceMode()->ListIndex(), 0);
    EXPECT_EQ(dialog->voiceMode()->Text(), "セリフ+毎分");
    EXPECT_EQ(dialog->alarmHourPopup()->Text(), "00");
    EXPECT_EQ(dialog->alarmMinPopup()->Text(), "00");
    EXPECT_EQ(dialog->alarmVoicePopup()->Text(), "");
}

TEST_F(PrefWindowLayoutTest, TabOrderFollowsTabIndexSoTheSeventhNameBoxSitsBetweenItsNeighbours)
{
    mainWindow();
    auto* dialog = platform::implicitWindow<BareDialog>(PrefWindow::kClassName);
    std::vector<Expected> byTab;
    for (const Expected& expected : kControls)
        if (expected.kind != Kind::Label)
            byTab.push_back(expected);
    std::sort(byTab.begin(), byTab.end(), [](const Expected& a, const Expected& b) { return a.tab < b.tab; });

    // Walk the focus chain from the first control and note our controls in the order met.
    QSet<QWidget*> ours;
    for (const Expected& expected : byTab)
        ours.insert(lookUp(*dialog, expected)->widget());
    std::vector<QWidget*> chain;
    QWidget* first = lookUp(*dialog, byTab.front())->widget();
    QWidget* at = first;
    do {
        if (ours.contains(at) && std::find(chain.begin(), chain.end(), at) == chain.end())
            chain.push_back(at);
        at = at->nextInFocusChain();
    } while (at != first && qsizetype(chain.size()) < ours.size());

    std::vector<QWidget*> expectedChain;
    for (const Expected& expected : byTab)
        expectedChain.push_back(lookUp(*dialog, expected)->widget());
    EXPECT_EQ(chain, expectedChain);
}

TEST_F(PrefWindowLayoutTest, OnlyOkIsTheDefaultButtonAndOnlyCancelTheCancelButton)
{
    mainWindow();
    PrefWindow* dialog = prefWindow();
    EXPECT_TRUE(dialog->PushButton1()->isDefault());
    EXPECT_FALSE(dialog->PushButton1()->isCancel());
    EXPECT_FALSE(dialog->PushButton2()->isDefault());
    EXPECT_TRUE(dialog->PushButton2()->isCancel());
    EXPECT_FALSE(dialog->PushButton3()->isDefault());
    EXPECT_FALSE(dialog->PushButton3()->isCancel());
}

TEST_F(PrefWindowLayoutTest, ArrayMembersAreDistinctAndEachBoxStandsBesideItsPhoto)
{
    mainWindow();
    PrefWindow* dialog = prefWindow();
    QSet<platform::Control*> members;
    for (int i = 0; i < 12; ++i) {
        SCOPED_TRACE(i);
        platform::ImageWell* well = dialog->faceImage(i);
        platform::CheckBox* box = dialog->nameCheck(i);
        members << well << box;
        EXPECT_NE(dynamic_cast<FaceImage*>(well), nullptr);
        EXPECT_NE(dynamic_cast<NameCheck*>(box), nullptr);
        EXPECT_GT(box->Left(), well->Left() + well->Width());
        EXPECT_EQ(box->Top(), well->Top() + 26);
    }
    EXPECT_EQ(members.size(), 24);
}

TEST_F(PrefWindowLayoutTest, AccessorsNameTheControlsTheyReturn)
{
    mainWindow();
    PrefWindow* dialog = prefWindow();
    EXPECT_EQ(dialog->alarmVoicePopup()->Name(), "alarmVoicePopup");
    EXPECT_EQ(dialog->StaticText1()->Name(), "StaticText1");
    EXPECT_EQ(dialog->StaticText2()->Name(), "StaticText2");
    EXPECT_EQ(dialog->voiceMode()->Name(), "voiceMode");
    EXPECT_EQ(dialog->alarmHourPopup()->Name(), "alarmHourPopup");
    EXPECT_EQ(dialog->alarmMinPopup()->Name(), "alarmMinPopup");
    EXPECT_EQ(dialog->StaticText4()->Name(), "StaticText4");
    EXPECT_EQ(dialog->StaticText5()->Name(), "StaticText5");
    EXPECT_EQ(dialog->StaticText6()->Name(), "StaticText6");
    EXPECT_EQ(dialog->Separator1()->Name(), "Separator1");
    EXPECT_EQ(dialog->alarmCheck()->Name(), "alarmCheck");
    EXPECT_EQ(dialog->PushButton1()->Name(), "PushButton1");
    EXPECT_EQ(dialog->PushButton2()->Name(), "PushButton2");
    EXPECT_EQ(dialog->PushButton3()->Name(), "PushButton3");
    EXPECT_EQ(dialog->faceImage(11)->Name(), "faceImage");
    EXPECT_EQ(dialog->nameCheck(7)->Index, 7);
    EXPECT_THROW(dialog->nameCheck(12), platform::NilObjectException);
}

TEST_F(PrefWindowLayoutTest, AnExtraMemberMadeAtRunTimeIsLaidOutAsMemberZero)
{
    mainWindow();
    PrefWindow* dialog = prefWindow();
    auto* box = dialog->newControl<NameCheck>();
    box->Constructor();
    EXPECT_EQ(box->Index, 0);
    EXPECT_EQ(box->Name(), "nameCheck");
    EXPECT_EQ(box->widget()->geometry(), QRect(99, 181, 90, 20));
    EXPECT_EQ(box->widget()->font().pixelSize(), 12);
    auto* well = dialog->newControl<FaceImage>();
    well->Constructor();
    EXPECT_EQ(well->Index, 0);
    EXPECT_EQ(well->widget()->geometry(), QRect(20, 155, 72, 72));
}

// Each showing is a new window: the accessor makes one only when none is open, and the menu
// item makes a fresh one after the last has closed.
TEST_F(PrefWindowLayoutTest, TheAccessorReturnsTheOpenDialogAndAFreshOneAfterItCloses)
{
    mainWindow();
    PrefWindow* first = prefWindow();
    EXPECT_EQ(prefWindow(), first);
    EXPECT_EQ(openPrefWindow(), first);
    first->PushButton2()->push();
    EXPECT_EQ(openPrefWindow(), nullptr);
    platform::testing::processEvents();

    PrefWindow* shownByMenu = nullptr;
    EXPECT_TRUE(choosePreferences([&](PrefWindow& dialog) {
        shownByMenu = &dialog;
        EXPECT_EQ(prefWindow(), &dialog);
        dialog.PushButton1()->push();
    }));
    EXPECT_NE(shownByMenu, nullptr);
    EXPECT_EQ(openPrefWindow(), nullptr);
}

} // namespace
