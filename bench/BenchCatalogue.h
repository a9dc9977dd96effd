#pragma once

#include <QString>

// Makes a catalogue file of `reels` realistic reels (flange 500 to 3,000 mm,
// barrel about half of it, widths and margins to match) from the program's
// schema. The same count always gives the same reels.
void MakeBenchCatalogue(const QString& path, int reels);
