#pragma once

class MainWindow;

// "vemraViewer Prefs" in the user's preferences folder: six lines, "key=value", read by
// position alone:
//   seiyuOn/Off=1,1,1,1,1,1,1,1,1,1,1,1
//   alarmOn=0
//   alarmHour=00
//   alarmMin=00
//   alarmVoice=0
//   voiceMode=0

// Reads the file into the window's settings, or sets the defaults when there is no file.
// A file that exists but cannot be opened raises NilObjectException and is then left
// untouched by the next write, so the stored settings are not lost.
void readPreferencesFile(MainWindow& window);

// Rewrites the file whole from the window's settings. The new file replaces the old one only
// once it is completely written. Raises IOException when it cannot be written.
void writePreferencesFile(MainWindow& window);
