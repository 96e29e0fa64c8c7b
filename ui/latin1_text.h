// Texts between the window, which holds Unicode, and the geometry, which reads one byte per
// character in Latin-1. Lengths count characters as the user sees them (code points), not the
// UTF-16 units that QString counts: an emoji is one character.
#pragma once

#include <QString>

#include <string>

namespace ui {

// One byte per character: its Latin-1 code, or "?" for a character that has none.
std::string ToLatin1(const QString& text);

QString FromLatin1(const std::string& text);

qsizetype CharacterCount(const QString& text);

}  // namespace ui
