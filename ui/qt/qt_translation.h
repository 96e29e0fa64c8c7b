// Qt's own texts in the window's caption language: the fields' context menu (Annulla, Copia,
// Incolla, ...) and the message box's button. Qt ships them as translations of its own.
#pragma once

#include "ui/caption_table.h"

#include <QLibraryInfo>
#include <QString>
#include <QTranslator>

namespace ui::qt {

class QtTranslation {
public:
    // Reads Qt's Italian translation from directory; a missing or unreadable file leaves Qt's
    // English texts in both languages, silently.
    explicit QtTranslation(const QString& directory = QLibraryInfo::path(QLibraryInfo::TranslationsPath));

    // Installs the Italian translation for Italian, removes it for English.
    void Follow(Language language);

private:
    QTranslator italian_;
    bool loaded_;
};

}  // namespace ui::qt
