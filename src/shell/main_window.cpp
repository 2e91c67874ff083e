#include "shell/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <iterator>

#include "charts/chart_backgrounds.h"
#include "charts/chart_image.h"
#include "charts/sample_marker.h"
#include "colour/colour_coordinates.h"
#include "common/checked_int.h"
#include "fonts/design_fonts.h"
#include "infowindows/pictures.h"
#include "numbers/number_reading.h"
#include "numbers/number_settings.h"
#include "numbers/result_columns.h"
#include "printing/sheet_date_time.h"
#include "printing/sheet_printing.h"
#include "shell/command_boundary.h"
#include "shell/dialogs.h"
#include "shell/numbering_dialog.h"
#include "shell/sample_tooltip.h"
#include "shell/results_file_grid.h"
#include "shell/string_grid.h"
#include "shell/widget_placement.h"

namespace vexa {

namespace {

constexpr int kInitialRowCount = 13; // header row and rows 1 to 12
const QString kFullGridPrompt = QStringLiteral("Number of samples in every grid <= 50");

// Redraws a chart on screen when a drawing sequence ends, also when it ends
// with an error: what was drawn before the error stays drawn.
struct RepaintOnExit {
    ChartImage* first;
    ChartImage* second;
    ~RepaintOnExit()
    {
        first->changed();
        second->changed();
    }
};

// How error texts name the printer: the PDF file it writes, or its name.
QString printTarget(const QPrinter& printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return QStringLiteral("the PDF file %1").arg(QDir::toNativeSeparators(printer.outputFileName()));
    return QStringLiteral("the printer %1").arg(printer.printerName());
}

const SystemSheetClock systemSheetClock;

} // namespace

TForm1::TForm1(Dialogs& dialogs, const NumberSettings& numberSettings, QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs), numberSettings_(numberSettings), sheetClock_(&systemSheetClock)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("VEXA - Coordinates"));
    setWindowIcon(applicationIcon());
    setFont(windowFont());
    // Restored bounds: the outer frame at (-4, -4), 1032 x 748.
    move(-4, -4);
    resize(1024, 721);

    buildControls();
    buildMenus();
    buildPopupMenu();
    qApp->installEventFilter(this);

    SaveDialog1.kind = FileDialog::Kind::Save;
    SaveDialog1.fileName = QStringLiteral("Coordenadas");
    SaveDialog1.defaultExtension = QStringLiteral("TXT");
    SaveDialog1.filter = kResultsFileFilter;
    OpenDialog1.kind = FileDialog::Kind::Open;
    OpenDialog1.title = QStringLiteral("Abrir un archivo");
    OpenDialog1.filter = kResultsFileFilter;
    OpenDialog1.allowMultiSelect = true;

    runCommand(dialogs_, [this] { FormCreate(); });
    NomMuestra->setFocus();
}

TForm1::~TForm1()
{
    delete PrintDialog1; // before the printer it works on
}

void TForm1::buildControls()
{
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(client);

    Panel1 = placePanel(client, "Panel1", 2, -1, 797, 3, QFrame::Panel | QFrame::Sunken);

    GroupBox1 = place(new QGroupBox(QStringLiteral("Type of wine"), client), "GroupBox1", 11, 15, 216, 41);
    RadioButton1 = place(new QRadioButton(QStringLiteral("Red, Rosé"), GroupBox1), "RadioButton1", 12, 14, 113, 17);
    RadioButton2 =
        place(new QRadioButton(QStringLiteral("White, Brandy"), GroupBox1), "RadioButton2", 110, 14, 99, 17);
    RadioButton1->setChecked(true);

    Label6 = placeLabel(client, "Label6", QStringLiteral("Sample's name"), 34, 73);
    NomMuestra = placeEdit(client, "NomMuestra", QStringLiteral("Sample's name"), 24, 89, 93, Label6);
    Label4 = placeLabel(client, "Label4", QStringLiteral("Pathlength cell"), 146, 72);
    Espesor = placeEdit(client, "Espesor", QStringLiteral("Pathlength cell"), 158, 89, 41, Label4);
    Label5 = placeLabel(client, "Label5", QStringLiteral("mm"), 203, 93);

    GroupBox2 =
        place(new QGroupBox(QStringLiteral("Absorbance values"), client), "GroupBox2", 269, 15, 374, 96);
    Label1 = placeLabel(GroupBox2, "Label1", QStringLiteral("450 nm"), 36, 24);
    Label3 = placeLabel(GroupBox2, "Label3", QStringLiteral("520 nm"), 128, 24);
    Label2 = placeLabel(GroupBox2, "Label2", QStringLiteral("570 nm"), 218, 24);
    Label12 = placeLabel(GroupBox2, "Label12", QStringLiteral("630 nm"), 304, 24);
    PrimLong = placeEdit(GroupBox2, "PrimLong", QStringLiteral("450 nm"), 19, 42, 68, Label1);
    SegLong = placeEdit(GroupBox2, "SegLong", QStringLiteral("520 nm"), 109, 42, 68, Label3);
    TercLong = placeEdit(GroupBox2, "TercLong", QStringLiteral("570 nm"), 199, 42, 67, Label2);
    CuartLong = placeEdit(GroupBox2, "CuartLong", QStringLiteral("630 nm"), 287, 42, 68, Label12);
    for (QLineEdit* edit : {NomMuestra, Espesor, PrimLong, SegLong, TercLong, CuartLong})
        edit->setContextMenuPolicy(Qt::NoContextMenu); // the window's pop-up menu serves

    Image1 = place(new QLabel(client), "Image1", 662, 38, 120, 61);
    Image1->setPixmap(logoPicture());
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setAccessibleName(QStringLiteral("VEXA logo"));

    Label10 = placeLabel(client, "Label10",
                         QStringLiteral("Obtained coordinates are referred to 2 mm pathlength cell for red and"), 23,
                         122, true);
    Label11 = placeLabel(client, "Label11",
                         QStringLiteral("rosé wines and to 10 mm pathlength cell for white wines and brandies"), 24,
                         139, true);
    for (QLabel* note : {Label10, Label11}) {
        QPalette palette = note->palette();
        palette.setColor(QPalette::WindowText, Qt::white);
        note->setPalette(palette);
    }

    Calcular = place(new QPushButton(QStringLiteral("Calculate"), client), "Calcular", 514, 125, 75, 25);
    Calcular->setFocusPolicy(Qt::ClickFocus); // Tab never reaches it; Enter runs it anyway
    Calcular->setAutoDefault(false);
    Guardar = place(new QPushButton(QStringLiteral("Save"), client), "Guardar", 647, 125, 75, 25);
    Guardar->setAutoDefault(true); // Enter on a focused Save presses Save

    Panel3 = placePanel(client, "Panel3", 8, 164, 442, 41, QFrame::Panel | QFrame::Raised);
    Label7 = placeLabel(Panel3, "Label7", QStringLiteral("Coordinates with illuminant D65 and 10° observer"), 76, 13,
                        true);
    Panel4 = placePanel(client, "Panel4", 454, 164, 340, 41, QFrame::Panel | QFrame::Raised);
    Label8 = placeLabel(Panel4, "Label8", QStringLiteral("Sample's position on CIELAB space"), 68, 13, true);

    Resultados1 = place(new StringGrid(kResultColumnCount, kInitialRowCount, client), "Resultados1", 8, 217, 443, 304);
    Resultados1->setDefaultColumnWidth(41);
    Resultados1->setDefaultRowHeight(24);
    Resultados1->setFocusPolicy(Qt::ClickFocus); // not a tab stop
    Resultados1->setContextMenuPolicy(Qt::NoContextMenu);
    Resultados1->viewport()->setContextMenuPolicy(Qt::NoContextMenu);
    Resultados1->setAccessibleName(QStringLiteral("Results"));
    {
        QPalette palette = Resultados1->palette();
        palette.setColor(QPalette::Base, Qt::white);
        Resultados1->setPalette(palette);
    }
    Resultados1->setSelectCellHandler([this](int column, int row) {
        bool canSelect = true;
        if (!runCommand(dialogs_, [&] { Resultados1SelectCell(column, row, canSelect); }))
            return false;
        return canSelect;
    });
    new SampleTooltip(*Resultados1, [this] { return NumFila; }, numberSettings_, Resultados1);

    Panel2 = placePanel(client, "Panel2", 454, 217, 341, 304, QFrame::Panel | QFrame::Sunken, 2);
    Imagen = place(new ChartImage(Panel2), "Imagen", 1, 2, 301, 301);
    Imagen->setAccessibleName(QStringLiteral("a*-b* chart"));
    Image2 = place(new ChartImage(Panel2), "Image2", 304, 2, 38, 300);
    Image2->setAccessibleName(QStringLiteral("L* scale"));
    Panel5 = placePanel(client, "Panel5", 754, 218, 4, 303, QFrame::Panel | QFrame::Raised);
    Panel5->raise();

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setFixedHeight(26);
    setStatusBar(StatusBar1);

    // Tab order: the six edits, Save, the checked wine type, and round again.
    QWidget::setTabOrder(NomMuestra, Espesor);
    QWidget::setTabOrder(Espesor, PrimLong);
    QWidget::setTabOrder(PrimLong, SegLong);
    QWidget::setTabOrder(SegLong, TercLong);
    QWidget::setTabOrder(TercLong, CuartLong);
    QWidget::setTabOrder(CuartLong, Guardar);
    QWidget::setTabOrder(Guardar, RadioButton1);
    QWidget::setTabOrder(RadioButton1, RadioButton2);

    connectCommand(dialogs_, Calcular, &QPushButton::clicked, this, &TForm1::CalcularClick);
    connectCommand(dialogs_, Guardar, &QPushButton::clicked, this, &TForm1::GuardarClick);
}

void TForm1::buildMenus()
{
    QMenuBar* Principal = menuBar();
    Principal->setObjectName(QStringLiteral("Principal"));

    Archivo = Principal->addMenu(QStringLiteral("&File"));
    Archivo->setObjectName(QStringLiteral("Archivo"));
    Nuevo1 = Archivo->addAction(QStringLiteral("&New"));
    Nuevo1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    Abrir1 = Archivo->addAction(QStringLiteral("&Open"));
    Abrir1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    Guardar1 = Archivo->addAction(QStringLiteral("&Save"));
    Guardar1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    Archivo->addSeparator();
    Imprimir1 = Archivo->addAction(QStringLiteral("&Print"));
    Imprimir1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    Archivo->addSeparator();
    Salir1 = Archivo->addAction(QStringLiteral("E&xit"));
    Salir1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));

    Edicin1 = Principal->addMenu(QStringLiteral("&Edit"));
    Edicin1->setObjectName(QStringLiteral("Edicin1"));
    Borrartodo1 = Edicin1->addAction(QStringLiteral("&Delete all"));

    Opciones1 = Principal->addMenu(QStringLiteral("Options"));
    Opciones1->setObjectName(QStringLiteral("Opciones1"));
    Nmerodemuestra1 = Opciones1->addAction(QStringLiteral("Sample's number"));

    Ayuda1 = Principal->addMenu(QStringLiteral("&Help"));
    Ayuda1->setObjectName(QStringLiteral("Ayuda1"));
    Ayuda = Ayuda1->addAction(QStringLiteral("&Help"));
    Ayuda1->addSeparator();
    Acercade1 = Ayuda1->addAction(QStringLiteral("&About VEXA"));

    const std::pair<QAction*, const char*> names[] = {
        {Nuevo1, "Nuevo1"},           {Abrir1, "Abrir1"},       {Guardar1, "Guardar1"},
        {Imprimir1, "Imprimir1"},     {Salir1, "Salir1"},       {Borrartodo1, "Borrartodo1"},
        {Nmerodemuestra1, "Nmerodemuestra1"}, {Ayuda, "Ayuda"}, {Acercade1, "Acercade1"},
    };
    for (const auto& [action, name] : names)
        action->setObjectName(QLatin1String(name));

    connectCommand(dialogs_, Nuevo1, &QAction::triggered, this, &TForm1::Borrartodo1Click);
    connectCommand(dialogs_, Abrir1, &QAction::triggered, this, &TForm1::Abrir1Click);
    connectCommand(dialogs_, Guardar1, &QAction::triggered, this, &TForm1::Guardar1Click);
    connectCommand(dialogs_, Imprimir1, &QAction::triggered, this, &TForm1::Imprimir1Click);
    connectCommand(dialogs_, Salir1, &QAction::triggered, this, &TForm1::Salir1Click);
    connectCommand(dialogs_, Borrartodo1, &QAction::triggered, this, &TForm1::Borrartodo1Click);
    connectCommand(dialogs_, Nmerodemuestra1, &QAction::triggered, this, &TForm1::Nmerodemuestra1Click);
    connectCommand(dialogs_, Ayuda, &QAction::triggered, this, &TForm1::AyudaClick);
    connectCommand(dialogs_, Acercade1, &QAction::triggered, this, &TForm1::Acercade1Click);
}

void TForm1::buildPopupMenu()
{
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));

    // Each pop-up item invokes the main-menu item at a menu and position
    // (separators counted), exactly as if the user had chosen that item.
    struct Item {
        const char* name;
        const char* caption;
        QMenu* menu;
        int index;
    };
    const Item items[] = {
        {"Nuevo2", "New", Archivo, 0},        {"Abrir2", "Open", Archivo, 1},
        {"Guardar2", "Save", Archivo, 2},     {"Borrartodo2", "Delete all", Edicin1, 0},
        {"N4", nullptr, nullptr, 0},          {"Imprimir2", "Print", Archivo, 4},
        {"N5", nullptr, nullptr, 0},          {"Ayuda2", "Help", Ayuda1, 0},
        {"N7", nullptr, nullptr, 0},          {"Nmerodemuestra2", "Sample's number", Opciones1, 0},
        {"N6", nullptr, nullptr, 0},          {"Salir2", "Exit", Archivo, 6},
    };
    for (const Item& item : items) {
        QAction* action = item.caption ? PopupMenu1->addAction(QLatin1String(item.caption)) : PopupMenu1->addSeparator();
        action->setObjectName(QLatin1String(item.name));
        if (item.menu) {
            QMenu* menu = item.menu;
            const int index = item.index;
            connect(action, &QAction::triggered, this, [this, menu, index] { invokeMenuItem(menu, index); });
        }
    }

    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { PopupMenu1->popup(mapToGlobal(pos)); });
}

void TForm1::invokeMenuItem(QMenu* menu, int index)
{
    const QList<QAction*> actions = menu->actions();
    if (index >= 0 && index < actions.size() && actions[index]->isEnabled())
        actions[index]->trigger();
}

bool TForm1::isMenuShortcut(const QKeyEvent& key) const
{
    const QKeySequence pressed(key.keyCombination());
    for (QAction* action : {Nuevo1, Abrir1, Guardar1, Imprimir1, Salir1})
        if (!action->shortcut().isEmpty() && action->shortcut() == pressed)
            return true;
    return false;
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    // A main-menu shortcut runs its command before the focused control sees
    // the key: in an edit, Ctrl+X exits instead of cutting text.
    if (event->type() == QEvent::ShortcutOverride && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this && isMenuShortcut(*static_cast<QKeyEvent*>(event))) {
        event->ignore();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::keyPressEvent(QKeyEvent* event)
{
    // Calculate is the default button: Enter in the edits and on the wine
    // type (keys they leave unhandled) runs it.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        Calcular->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void TForm1::closeEvent(QCloseEvent* event)
{
    // Closing the main window ends the program, whatever else is open.
    event->accept();
    QCoreApplication::quit();
}

void TForm1::FormCreate()
{
    NumFila = 1;
    Resultados1->setColumnWidth(kRowNumberColumn, 20);
    Resultados1->setColumnWidth(kNameColumn, 65);
    const char* headers[] = {"no", "    Sample", "     X", "     Y", "     Z",
                             "    L*", "    C*", "    h*", "    a*", "    b*"};
    static_assert(std::size(headers) == kResultColumnCount);
    for (int column = 0; column < kResultColumnCount; ++column)
        Resultados1->setCell(column, 0, QLatin1String(headers[column]));
    for (int row = 1; row <= kGridCapacity; ++row)
        Resultados1->setCell(kRowNumberColumn, row, QString::number(row));

    // Fresh chart rasters replace the old ones and every marker with them.
    // The backgrounds never change, so they are drawn once and copied after.
    static const std::unique_ptr<ChartRaster> abChart = drawAbChart();
    static const std::unique_ptr<ChartRaster> lScale = drawLScale();
    Imagen->setRaster(std::make_unique<ChartRaster>(*abChart));
    Image2->setRaster(std::make_unique<ChartRaster>(*lScale));
}

void TForm1::CalcularClick()
{
    EspesorRef = RadioButton1->isChecked() ? 2 : 10;

    if (NumFila > kGridCapacity) {
        // The grid holds 50 samples; a further one is refused before computing.
        dialogs_.showMessage(kFullGridPrompt);
        return;
    }

    const std::pair<QLineEdit*, const char*> required[] = {
        {Espesor, "Pathlength cell?"},
        {PrimLong, "Absorbance at 450 nm?"},
        {SegLong, "¿Absorbance at 520 nm?"},
        {TercLong, "¿Absorbance at 570 nm?"},
        {CuartLong, "¿Absorbance at 630 nm?"},
    };
    for (const auto& [field, prompt] : required) {
        if (field->text().isEmpty()) {
            dialogs_.showMessage(QString::fromUtf8(prompt));
            field->setFocus();
            return;
        }
    }

    const char32_t separator = numberSettings_.decimalSeparator();
    const std::int32_t pathlength = readInteger(Espesor->text().toStdString());
    Absorbances absorbances;
    absorbances.a450 = readReal(PrimLong->text().toStdString(), separator);
    absorbances.a520 = readReal(SegLong->text().toStdString(), separator);
    absorbances.a570 = readReal(TercLong->text().toStdString(), separator);
    absorbances.a630 = readReal(CuartLong->text().toStdString(), separator);

    const ColourCoordinates c = computeColourCoordinates(absorbances, pathlength, EspesorRef);

    QString name = NomMuestra->text();
    if (numberingDialog_ && numberingDialog_->numberingOn())
        name += QString::number(NumOrden);
    Resultados1->setCell(kNameColumn, NumFila, name);
    const auto texts = resultCellTexts(c, separator);
    for (int i = 0; i < kValueColumnCount; ++i)
        Resultados1->setCell(kFirstValueColumn + i, NumFila, QString::fromStdString(texts[i]));

    markSample(NumFila, c.L, c.a, c.b);

    NumFila = checkedAdd(NumFila, 1);
    // The order number wraps round like the 32-bit counter it is, and the
    // overflow is reported; the sample itself is stored by then.
    if (__builtin_add_overflow(NumOrden, 1, &NumOrden))
        throw IntegerOverflow();

    if (NumFila >= kGridCapacity + 1) {
        NumFila = kGridCapacity + 1;
        dialogs_.showMessage(kFullGridPrompt);
    }
    if (NumFila >= 14 && NumFila <= kGridCapacity + 1)
        Resultados1->setRowCountShown(Resultados1->rowCountShown() + 1);
}

void TForm1::markSample(std::int32_t row, double lightness, double a, double b)
{
    RepaintOnExit repaint{Imagen, Image2};
    drawSampleMarker(Imagen->raster(), Image2->raster(), row, lightness, a, b);
}

void TForm1::Resultados1SelectCell(int /*column*/, int row, bool& canSelect)
{
    canSelect = true;
    RepaintOnExit repaint{Imagen, Image2};
    setMarkerFonts(Imagen->raster(), Image2->raster());

    // A selected row shows its L*, C*, h, a* and b* with a comma.
    for (int column = kFirstRemarkedColumn; column <= kLastValueColumn; ++column) {
        QString text = Resultados1->cell(column, row);
        const auto point = text.indexOf(QLatin1Char('.'));
        if (point >= 0) {
            text[point] = QLatin1Char(',');
            Resultados1->setCell(column, row, text);
        }
    }

    if (row < NumFila) {
        const char32_t separator = numberSettings_.decimalSeparator();
        const auto read = [&](int column) {
            return readCellNumber(Resultados1->cell(column, row).toStdString(), separator);
        };
        const double b = read(kBColumn);
        const double a = read(kAColumn);
        drawAbMarker(Imagen->raster(), row, a, b);
        drawLMarker(Image2->raster(), row, read(kLightnessColumn));
    }
}

void TForm1::Borrartodo1Click()
{
    if (numberingDialog_)
        numberingDialog_->resetToNo();
    Resultados1->clearCells(kNameColumn, kLastValueColumn, 1, NumFila);
    setWindowTitle(QStringLiteral("VEXA - Coordinates"));
    Resultados1->setRowCountShown(kInitialRowCount);
    for (QLineEdit* edit : {NomMuestra, Espesor, PrimLong, SegLong, TercLong, CuartLong})
        edit->clear();
    NumFila = 1;
    NomMuestra->setFocus();
    FormCreate();
}

void TForm1::Abrir1Click()
{
    if (numberingDialog_)
        numberingDialog_->resetToNo();
    if (dialogs_.executeFileDialog(OpenDialog1))
        openResultsFile(OpenDialog1.files.value(0, OpenDialog1.fileName)); // only the first file selected
}

void TForm1::openResultsFile(const QString& path)
{
    const ResultsTable table = readResultsTable(path);

    invokeMenuItem(Edicin1, 0); // the clear command, as a click on "&Delete all"
    NumFila = table.numFila();
    putResultsTable(*Resultados1, table);
    setWindowTitle(QStringLiteral("VEXA - ") + QFileInfo(path).fileName());
    if (NumFila >= kInitialRowCount) {
        Resultados1->setRowCountShown(NumFila);
    } else {
        // Row 13 shows once the grid grows, and must be empty by then.
        Resultados1->setRowCountShown(kInitialRowCount);
        for (int column = kNameColumn; column <= kLastValueColumn; ++column)
            for (int row = NumFila; row <= kInitialRowCount; ++row)
                Resultados1->setCell(column, row, QString());
    }
}

void TForm1::Guardar1Click()
{
    if (dialogs_.executeFileDialog(SaveDialog1))
        saveResultsTable(SaveDialog1.fileName, resultsTableOf(*Resultados1, NumFila));
    // Also after a cancel: the name last confirmed, or the one first proposed.
    setWindowTitle(QStringLiteral("VEXA - ") + QFileInfo(SaveDialog1.fileName).fileName());
}

QPrintDialog& TForm1::printDialog()
{
    if (!PrintDialog1) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setCollateCopies(true);
        printer_->setPrintRange(QPrinter::PageRange);
        PrintDialog1 = new QPrintDialog(printer_.get(), this);
        PrintDialog1->setObjectName(QStringLiteral("PrintDialog1"));
        // A page range and the selection are offered, but the sheet is always its one page.
        PrintDialog1->setOptions(QAbstractPrintDialog::PrintPageRange | QAbstractPrintDialog::PrintSelection
                                 | QAbstractPrintDialog::PrintCollateCopies | QAbstractPrintDialog::PrintToFile
                                 | QAbstractPrintDialog::PrintShowPageSize);
    }
    return *PrintDialog1;
}

void TForm1::Imprimir1Click()
{
    QPrintDialog& dialog = printDialog();
    QPrinter& printer = *dialog.printer();
    printer.setDocName(windowTitle());
    SheetContent sheet{windowTitle(), QString(), NumFila,
                       [this](int column, int row) { return Resultados1->cell(column, row); }};

    if (!dialogs_.showPrintDialog(dialog))
        return;
    // The page is measured only now, in portrait, so that the sheet fits the
    // paper the user chose in the dialog.
    printer.setPageOrientation(QPageLayout::Portrait);
    sheet.dateTime = sheetDateTimeText(*sheetClock_);
    printSheet(printer, printTarget(printer), sheet);
}

void TForm1::Salir1Click()
{
    close();
}

void TForm1::AyudaClick()
{
    if (!helpWindow_ && makeHelpWindow_)
        helpWindow_ = makeHelpWindow_();
    if (helpWindow_)
        dialogs_.showModal(*helpWindow_);
}

void TForm1::Acercade1Click()
{
    if (!aboutBox_ && makeAboutBox_)
        aboutBox_ = makeAboutBox_();
    if (aboutBox_)
        dialogs_.showModal(*aboutBox_);
}

void TForm1::Nmerodemuestra1Click()
{
    if (numberingDialog_)
        numberingDialog_->showDialog();
}

void TForm1::GuardarClick()
{
    invokeMenuItem(Archivo, 2);
}

} // namespace vexa
