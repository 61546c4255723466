#include "preferences_window/PrefWindowDesign.h"

// Every control keeps the framework's common defaults (locked to the left and top edges,
// enabled, visible, "Lucida Grande"); only what differs is written here. Labels take no
// keyboard focus.

namespace prefWindowDesign {

const platform::WindowProperties window{
    .Placement = 1,
    .Width = 385,
    .Height = 706,
    .MinWidth = 64,
    .MinHeight = 64,
    .MaxWidth = 32000,
    .MaxHeight = 32000,
    .Frame = 1,
    .Composite = false,
    .HasBackColor = false,
    .BackColor = {0xFF, 0xFF, 0xFF},
    .Title = "環境設定",
    .Visible = true,
    .FullScreen = false,
    .MenuBarVisible = true,
    .CloseButton = false,
    .Resizeable = false,
    .LiveResize = false,
    .MaximizeButton = false,
    .MinimizeButton = false,
    .MacProcID = 0,
};

const ControlDesign alarmVoicePopup{
    .properties = {.Name = "alarmVoicePopup", .Left = 105, .Top = 47, .Width = 185, .Height = 20,
                   .TabIndex = 0, .InitialValue = "", .ListIndex = 0},
    .textSize = 12,
};

const ControlDesign StaticText1{
    .properties = {.Name = "StaticText1", .Left = 20, .Top = 46, .Width = 100, .Height = 20,
                   .TabIndex = 1, .TabStop = false, .Text = "アラーム音"},
    .textSize = 12,
};

const ControlDesign StaticText2{
    .properties = {.Name = "StaticText2", .Left = 20, .Top = 78, .Width = 100, .Height = 20,
                   .TabIndex = 2, .TabStop = false, .Text = "時報"},
    .textSize = 12,
};

const ControlDesign voiceMode{
    .properties = {.Name = "voiceMode", .Left = 105, .Top = 78, .Width = 185, .Height = 20,
                   .TabIndex = 3,
                   .InitialValue = "セリフ+毎分\rセリフ（15分おき）\r毎分\rなし",
                   .ListIndex = 0},
    .textSize = 12,
};

const ControlDesign alarmHourPopup{
    .properties = {.Name = "alarmHourPopup", .Left = 105, .Top = 16, .Width = 71, .Height = 20,
                   .TabIndex = 4,
                   .InitialValue = "00\r01\r02\r03\r04\r05\r06\r07\r08\r09\r10\r11\r12\r"
                                   "13\r14\r15\r16\r17\r18\r19\r20\r21\r22\r23\r24",
                   .ListIndex = 0},
    .textSize = 12,
};

const ControlDesign alarmMinPopup{
    .properties = {.Name = "alarmMinPopup", .Left = 219, .Top = 16, .Width = 71, .Height = 20,
                   .TabIndex = 6,
                   .InitialValue = "00\r01\r02\r03\r04\r05\r06\r07\r08\r09\r"
                                   "10\r11\r12\r13\r14\r15\r16\r17\r18\r19\r"
                                   "20\r21\r22\r23\r24\r25\r26\r27\r28\r29\r"
                                   "30\r31\r32\r33\r34\r35\r36\r37\r38\r39\r"
                                   "40\r41\r42\r43\r44\r45\r46\r47\r48\r49\r"
                                   "50\r51\r52\r53\r54\r55\r56\r57\r58\r59",
                   .ListIndex = 0},
    .textSize = 12,
};

const ControlDesign StaticText4{
    .properties = {.Name = "StaticText4", .Left = 186, .Top = 15, .Width = 17, .Height = 20,
                   .TabIndex = 7, .TabStop = false, .Text = "時"},
};

const ControlDesign StaticText5{
    .properties = {.Name = "StaticText5", .Left = 297, .Top = 16, .Width = 17, .Height = 20,
                   .TabIndex = 8, .TabStop = false, .Text = "分"},
};

// Two columns of six photo wells: speakers 1 to 6 on the left, 7 to 12 on the right.
const std::array<ControlDesign, 12> faceImage{{
    {.properties = {.Name = "faceImage", .Index = 0, .Left = 20, .Top = 155, .Width = 72, .Height = 72, .TabIndex = 9}},
    {.properties = {.Name = "faceImage", .Index = 1, .Left = 20, .Top = 239, .Width = 72, .Height = 72, .TabIndex = 10}},
    {.properties = {.Name = "faceImage", .Index = 2, .Left = 20, .Top = 323, .Width = 72, .Height = 72, .TabIndex = 11}},
    {.properties = {.Name = "faceImage", .Index = 3, .Left = 20, .Top = 407, .Width = 72, .Height = 72, .TabIndex = 12}},
    {.properties = {.Name = "faceImage", .Index = 4, .Left = 20, .Top = 491, .Width = 72, .Height = 72, .TabIndex = 13}},
    {.properties = {.Name = "faceImage", .Index = 5, .Left = 20, .Top = 575, .Width = 72, .Height = 72, .TabIndex = 14}},
    {.properties = {.Name = "faceImage", .Index = 6, .Left = 194, .Top = 155, .Width = 72, .Height = 72, .TabIndex = 15}},
    {.properties = {.Name = "faceImage", .Index = 7, .Left = 194, .Top = 239, .Width = 72, .Height = 72, .TabIndex = 16}},
    {.properties = {.Name = "faceImage", .Index = 8, .Left = 194, .Top = 323, .Width = 72, .Height = 72, .TabIndex = 17}},
    {.properties = {.Name = "faceImage", .Index = 9, .Left = 194, .Top = 407, .Width = 72, .Height = 72, .TabIndex = 18}},
    {.properties = {.Name = "faceImage", .Index = 10, .Left = 194, .Top = 491, .Width = 72, .Height = 72, .TabIndex = 19}},
    {.properties = {.Name = "faceImage", .Index = 11, .Left = 194, .Top = 575, .Width = 72, .Height = 72, .TabIndex = 20}},
}};

// Each speaker's check box stands to the right of its photo well, 26 pixels lower.
const std::array<ControlDesign, 12> nameCheck{{
    {.properties = {.Name = "nameCheck", .Index = 0, .Left = 99, .Top = 181, .Width = 90, .Height = 20, .TabIndex = 21, .Caption = "", .State = 0, .Value = false}, .textSize = 12},
    {.properties = {.Name = "nameCheck", .Index = 1, .Left = 99, .Top = 265, .Width = 90, .Height = 20, .TabIndex = 22, .Caption = "", .State = 0, .Value = false}, .textSize = 12},
    {.properties = {.Name = "nameCheck", .Index = 2, .Left = 99, .Top = 349, .Width = 90, .Height = 20, .TabIndex = 23, .Caption = "", .State = 0, .Value = false}, .textSize = 12},
    {.properties = {.Name = "nameCheck", .Index = 3, .Left = 99, .Top = 433, .Width = 90, .Height = 20, .TabIndex = 24, .Caption = "", .State = 0, .Value = false}, .textSize = 12},
    {.properties = {.Name = "nameCheck", .Index = 4, .Left = 99, .Top = 517, .Width = 90, .Height = 20, .TabIndex = 25, .Caption = "", .State = 0, .Value = false}, .textSize = 12},
    {.properties = {.Name = "nameCheck", .Index = 5, .Left = 99, .Top = 601, .Width = 90, .Height = 20, .TabIndex = 26, .Caption = "", .State = 0, .Value = false}, .textSize = 12},
    {.properties = {.Name = "nameCheck", .Index = 6, .Left = 275, .Top = 181, .Width = 90, .Height = 20, .TabIndex = 27, .Caption = "", .State = 0, .Value = false}, .textSize = 12},
    {.properties = {.Name = "nameCheck", .Index = 7, .Left = 275, .Top = 265, .Width = 90, .Height = 20, .TabIndex = 28, .Caption = "", .State = 0, .Value = false}, .textSize = 12},
    {.properties = {.Name = "nameCheck", .Index = 8, .Left = 275, .Top = 349, .Width = 90, .Height = 20, .TabIndex = 29, .Caption = "", .State = 0, .Value = false}, .textSize = 12},
    {.properties = {.Name = "nameCheck", .Index = 9, .Left = 275, .Top = 433, .Width = 90, .Height = 20, .TabIndex = 30, .Caption = "", .State = 0, .Value = false}, .textSize = 12},
    {.properties = {.Name = "nameCheck", .Index = 10, .Left = 275, .Top = 517, .Width = 90, .Height = 20, .TabIndex = 31, .Caption = "", .State = 0, .Value = false}, .textSize = 12},
    {.properties = {.Name = "nameCheck", .Index = 11, .Left = 275, .Top = 601, .Width = 90, .Height = 20, .TabIndex = 32, .Caption = "", .State = 0, .Value = false}, .textSize = 12},
}};

const ControlDesign StaticText6{
    .properties = {.Name = "StaticText6", .Left = 20, .Top = 123, .Width = 100, .Height = 20,
                   .TabIndex = 33, .TabStop = false, .Text = "声優"},
    .textSize = 12,
};

const ControlDesign Separator1{
    .properties = {.Name = "Separator1", .Left = 20, .Top = 110, .Width = 363, .Height = 1,
                   .TabIndex = 34},
};

const ControlDesign alarmCheck{
    .properties = {.Name = "alarmCheck", .Left = 19, .Top = 15, .Width = 80, .Height = 20,
                   .TabIndex = 35, .Caption = "アラーム", .State = 0, .Value = false},
    .textSize = 12,
};

const ControlDesign PushButton1{
    .properties = {.Name = "PushButton1", .Left = 285, .Top = 666, .Width = 80, .Height = 20,
                   .TabIndex = 36, .Caption = "OK", .Default = true, .Cancel = false,
                   .ButtonStyle = 0},
};

const ControlDesign PushButton2{
    .properties = {.Name = "PushButton2", .Left = 176, .Top = 666, .Width = 96, .Height = 20,
                   .TabIndex = 37, .Caption = "キャンセル", .Default = false, .Cancel = true,
                   .ButtonStyle = 0},
};

const ControlDesign PushButton3{
    .properties = {.Name = "PushButton3", .Left = 302, .Top = 47, .Width = 63, .Height = 20,
                   .TabIndex = 38, .Caption = "試聴", .Default = false, .Cancel = false,
                   .ButtonStyle = 0},
};

} // namespace prefWindowDesign
