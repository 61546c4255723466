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

// Reads the file into the window's settings, or sets the defaults when there is no file, and
// marks the settings as read. A file that exists but cannot be opened raises
// NilObjectException.
void readPreferencesFile(MainWindow& window);

// Rewrites the file whole from the window's settings. The new file replaces the old one only
// once it is completely written. Raises IOException when it cannot be written, and when the
// window's settings were never read (the file could not be read, or the window's opening
// failed before reading it): the file is then left untouched, so the stored settings are not
// lost.
void writePreferencesFile(MainWindow& window);
