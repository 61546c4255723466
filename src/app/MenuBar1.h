#pragma once

#include "platform/Menu.h"

#include <memory>

// The program's one menu bar: "ファイル" and "編集".
class MainMenuBar : public platform::MenuBar {
public:
    MainMenuBar();

    void Untitled0(); // the File menu
    void Untitled1(); // the Edit menu
};

// The one menu bar, built on first reference and held for the whole run.
std::shared_ptr<MainMenuBar> MenuBar1();
// End of run: drops the held menu bar.
void releaseMenuBar1();
