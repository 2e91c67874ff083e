#include "shell/dialogs.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>

namespace vexa {

namespace {

void showBox(QMessageBox::Icon icon, const QString& text)
{
    QMessageBox box(icon, QStringLiteral("VEXA"), text, QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace

QString errorBoxText(const QString& errorText)
{
    return errorText + QLatin1Char('.');
}

void ScreenDialogs::showMessage(const QString& text)
{
    showBox(QMessageBox::NoIcon, text);
}

void ScreenDialogs::showError(const QString& text)
{
    showBox(QMessageBox::Critical, text);
}

void ScreenDialogs::showModal(QDialog& window)
{
    window.exec();
}

bool ScreenDialogs::showPrintDialog(QPrintDialog& dialog)
{
    return dialog.exec() == QDialog::Accepted;
}

bool ScreenDialogs::executeFileDialog(FileDialog& dialog)
{
    QFileDialog box(QApplication::activeWindow(), dialog.title);
    box.setObjectName(dialog.kind == FileDialog::Kind::Save ? QStringLiteral("SaveDialog")
                                                            : QStringLiteral("OpenDialog"));
    // Qt's own dialog honours the default extension and asks before replacing
    // the file under its final name, extension included; a platform dialog may not.
    box.setOption(QFileDialog::DontUseNativeDialog);
    if (dialog.kind == FileDialog::Kind::Save) {
        box.setAcceptMode(QFileDialog::AcceptSave);
        box.setFileMode(QFileDialog::AnyFile);
    } else {
        box.setAcceptMode(QFileDialog::AcceptOpen);
        box.setFileMode(dialog.allowMultiSelect ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    }
    box.setNameFilter(dialog.filter);
    box.setDefaultSuffix(dialog.defaultExtension);
    if (!dialog.fileName.isEmpty())
        box.selectFile(dialog.fileName);
    if (box.exec() != QDialog::Accepted || box.selectedFiles().isEmpty())
        return false;
    dialog.files = box.selectedFiles();
    dialog.fileName = dialog.files.first();
    return true;
}

} // namespace vexa
