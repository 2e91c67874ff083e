#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vexa {

class Dialogs;

// "Número de la muestra": switches on the numbering of samples and sets the
// number to begin with. Non-modal; closing it only hides it.
class TForm4 : public QWidget {
    Q_OBJECT

public:
    // `setOrderNumber` receives every start number read from the edit.
    TForm4(Dialogs& dialogs, std::function<void(std::int32_t)> setOrderNumber, QWidget* parent = nullptr);

    // Numbering is on while "Yes" is checked.
    bool numberingOn() const;

    // Turns numbering off as the clear and open commands do: check "No"
    // (running its reaction if "Yes" was checked), disable the number and its label.
    void resetToNo();

    // Makes the dialog visible; when it is visible already nothing changes.
    void showDialog();

    QGroupBox* GroupBox1;
    QRadioButton* RadioButton1; // "Yes"
    QRadioButton* RadioButton2; // "No"
    QLabel* Label1;
    QLineEdit* Edit1;
    QPushButton* Button1;

private:
    void RadioButton1Click();
    void RadioButton2Click();
    void Edit1Change();
    void Button1Click();

    Dialogs& dialogs_;
    std::function<void(std::int32_t)> setOrderNumber_;
};

} // namespace vexa
