// The program's one window: two locator fields, the bearing and distance results, the
// Calculate and Exit buttons, and the pictures (compass, two flags, ruler).
#pragma once

#include "caption_table.h"
#include "qt_translation.h"
#include "window_scale.h"

#include <QString>
#include <QWidget>

#include <optional>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;

namespace geometry {
struct GeoPosition;
struct PathResult;
}  // namespace geometry

namespace ui {

class PictureBox;
struct ControlRow;

class Form2 : public QWidget {
    Q_OBJECT

public:
    explicit Form2(QWidget* parent = nullptr);

    // "ita" or "eng": the caption language the flags last chose.
    QString languageTag() const { return LanguageTag; }
    // How much larger than designed the window is laid out, for the desktop's font; fixed at start.
    qreal scale() const { return scale_; }

private:
    void CreateControls();
    QWidget* CreateControl(const ControlRow& row);
    template <typename T>
    T* Control(const char* name) const;
    void ConnectEvents();
    void SetTabOrder();
    void LayOut(qreal scale);
    std::vector<TextToFit> TextsToFit() const;
    void CentreOnScreen();

    // Event handlers, one per control and event.
    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void Picture2_Click();
    void Picture3_Click();
    void Picture4_Click();
    void Text3_Change();
    void Text5_Change();

    // What the handlers do, in the window's own terms.
    void UpperCaseAndCaretToEnd(QLineEdit* field);
    void SignalSecondLocatorComplete();
    void PressDefaultButton();
    void ShowOverLengthMessage();
    void ApplyLanguage(Language language);
    void ApplyAccessibleNames(Language language);
    void SetAccessibleRoles();
    void FollowLanguage(Language language);
    Language CurrentLanguage() const;

    // Result writers.
    void ShowCoordinates(const geometry::GeoPosition& first, const geometry::GeoPosition& second);
    void ShowResults(const geometry::PathResult& path, bool badInput);

    // The distance field and the exact kilometres behind the text the window last wrote there.
    struct DistanceConversion {
        QString text;
        double kilometres;
    };
    void WriteDistance(const QString& text, std::optional<double> kilometres);
    std::optional<double> RememberedKilometres() const;
    std::optional<DistanceConversion> ConvertToMiles() const;
    std::optional<DistanceConversion> ConvertToKilometres() const;

    QLineEdit* Text1 = nullptr;  // bearing
    QLineEdit* Text2 = nullptr;  // hidden: first longitude, west positive
    QLineEdit* Text3 = nullptr;  // first locator
    QLineEdit* Text4 = nullptr;  // hidden: second latitude
    QLineEdit* Text5 = nullptr;  // second locator
    QLineEdit* Text6 = nullptr;  // distance, in the unit Label3 shows
    QLineEdit* Text7 = nullptr;  // hidden: first latitude
    QLineEdit* Text8 = nullptr;  // hidden: second longitude, west positive
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;    // the distance unit, which is also the unit state
    QLabel* Label4 = nullptr;
    QPushButton* Command1 = nullptr;  // Calculate
    QPushButton* Command2 = nullptr;  // Exit
    PictureBox* Picture1 = nullptr;   // compass
    PictureBox* Picture2 = nullptr;   // English flag
    PictureBox* Picture3 = nullptr;   // Italian flag
    PictureBox* Picture4 = nullptr;   // ruler: kilometres and miles

    QString LanguageTag;
    qreal scale_ = 1;
    QtTranslation qtTranslation_;
    QString writtenDistance_;
    std::optional<double> writtenKilometres_;
};

}  // namespace ui
