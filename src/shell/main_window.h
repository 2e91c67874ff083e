#pragma once

#include <QMainWindow>
#include <cstdint>
#include <functional>
#include <memory>

#include "shell/dialogs.h"

class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPrintDialog;
class QPrinter;
class QPushButton;
class QRadioButton;
class QStatusBar;

namespace vexa {

class ChartImage;
class NumberSettings;
class SheetClock;
class StringGrid;
class TForm4;

// The main window: the inputs of one sample, the results grid, the a*-b*
// chart and the L* scale, the menus and the commands behind them.
class TForm1 : public QMainWindow {
    Q_OBJECT

public:
    TForm1(Dialogs& dialogs, const NumberSettings& numberSettings, QWidget* parent = nullptr);
    ~TForm1() override;

    // The windows the menus open; they are created after this one.
    void setAboutBox(QDialog* about) { aboutBox_ = about; }
    void setHelpWindow(QDialog* help) { helpWindow_ = help; }
    // Or made when first opened (and kept from then on), so that start-up
    // spends nothing on windows that may never be opened.
    using WindowMaker = std::function<QDialog*()>;
    void setAboutBox(WindowMaker make) { makeAboutBox_ = std::move(make); }
    void setHelpWindow(WindowMaker make) { makeHelpWindow_ = std::move(make); }
    void setNumberingDialog(TForm4* numbering) { numberingDialog_ = numbering; }

    // The clock and date formats of the printed sheet's title line; the
    // system's unless set. The clock must outlive the window.
    void setSheetClock(const SheetClock& clock) { sheetClock_ = &clock; }

    // Counters: the grid row of the next sample, the sample order number and
    // the reference pathlength in mm.
    std::int32_t NumFila = 0;
    std::int32_t NumOrden = 0;
    std::int32_t EspesorRef = 0;

    // Controls, by their names in the window's design.
    QFrame* Panel1;
    QGroupBox* GroupBox1;
    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
    QLabel* Label6;
    QLineEdit* NomMuestra;
    QLabel* Label4;
    QLineEdit* Espesor;
    QLabel* Label5;
    QGroupBox* GroupBox2;
    QLabel* Label1;
    QLabel* Label3;
    QLabel* Label2;
    QLabel* Label12;
    QLineEdit* PrimLong;
    QLineEdit* SegLong;
    QLineEdit* TercLong;
    QLineEdit* CuartLong;
    QLabel* Image1;
    QLabel* Label10;
    QLabel* Label11;
    QPushButton* Calcular;
    QPushButton* Guardar;
    QFrame* Panel3;
    QLabel* Label7;
    QFrame* Panel4;
    QLabel* Label8;
    StringGrid* Resultados1;
    QFrame* Panel2;
    ChartImage* Imagen;
    ChartImage* Image2;
    QFrame* Panel5;
    QStatusBar* StatusBar1;

    // Main menu "Principal".
    QMenu* Archivo;
    QAction* Nuevo1;
    QAction* Abrir1;
    QAction* Guardar1;
    QAction* Imprimir1;
    QAction* Salir1;
    QMenu* Edicin1;
    QAction* Borrartodo1;
    QMenu* Opciones1;
    QAction* Nmerodemuestra1;
    QMenu* Ayuda1;
    QAction* Ayuda;
    QAction* Acercade1;

    // Pop-up menu "PopupMenu1".
    QMenu* PopupMenu1;

    // The print dialog, made with its printer on the first print; both keep
    // the user's choices from one print to the next.
    QPrintDialog* PrintDialog1 = nullptr;
    // The results files' save and open dialogs, with the names they keep.
    FileDialog SaveDialog1;
    FileDialog OpenDialog1;

    // Command handlers.
    void FormCreate();
    void CalcularClick();
    void Borrartodo1Click();
    void Abrir1Click();
    void Guardar1Click();
    void Imprimir1Click();
    void Salir1Click();
    void AyudaClick();
    void Acercade1Click();
    void Nmerodemuestra1Click();
    void GuardarClick();
    void Resultados1SelectCell(int column, int row, bool& canSelect);

    // The open command once its file is chosen: reads the whole file and only
    // then clears the grid and fills it. A file that cannot be read or is not
    // a results file throws and leaves everything as it was.
    void openResultsFile(const QString& path);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    void buildPopupMenu();
    void invokeMenuItem(QMenu* menu, int index);
    bool isMenuShortcut(const QKeyEvent& key) const;
    void markSample(std::int32_t row, double lightness, double a, double b);
    QPrintDialog& printDialog();

    Dialogs& dialogs_;
    const NumberSettings& numberSettings_;
    QDialog* aboutBox_ = nullptr;
    QDialog* helpWindow_ = nullptr;
    WindowMaker makeAboutBox_;
    WindowMaker makeHelpWindow_;
    TForm4* numberingDialog_ = nullptr;
    const SheetClock* sheetClock_;
    std::unique_ptr<QPrinter> printer_;
};

} // namespace vexa
