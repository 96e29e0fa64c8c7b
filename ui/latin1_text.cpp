#include "latin1_text.h"

#include <QList>
#include <QStringView>

namespace ui {
namespace {
constexpr char32_t kLastLatin1Code = 0xFF;
}

std::string ToLatin1(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const char32_t c : QStringView(text).toUcs4()) {
        bytes.push_back(c <= kLastLatin1Code ? static_cast<char>(c) : '?');
    }
    return bytes;
}

QString FromLatin1(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

qsizetype CharacterCount(const QString& text) { return QStringView(text).toUcs4().size(); }

}  // namespace ui
