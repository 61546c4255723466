#pragma once

class MainWindow;

// Fills the window's four catalogue arrays from the catalogue files, one line per element:
// the speaker and alarm catalogues percent-decoded and split at CR LF, the time and line
// catalogues split at CR as they stand. Each array is replaced whole, in that order.
void loadCatalogues(MainWindow& window);
