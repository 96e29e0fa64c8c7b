#include "qt_translation.h"

#include <QCoreApplication>

namespace ui::qt {

QtTranslation::QtTranslation(const QString& directory)
    : loaded_(italian_.load(QStringLiteral("qtbase_it"), directory)) {}

void QtTranslation::Follow(Language language) {
    if (!loaded_) return;
    if (language == Language::Italian) {
        QCoreApplication::installTranslator(&italian_);
    } else {
        QCoreApplication::removeTranslator(&italian_);
    }
}

}  // namespace ui::qt
