#include "shell/dialogs.h"

#include <QDialog>
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

} // namespace vexa
