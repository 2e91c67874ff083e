#pragma once

// The words of a PDF file with their boxes in points, as pdftotext -bbox
// (poppler-utils) finds them.

#include <QList>
#include <QStringList>
#include <algorithm>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QSizeF>
#include <QStandardPaths>
#include <QString>

namespace vexa::test {

struct PdfWord {
    QString text;
    QRectF box; // points, origin top-left of the page
    int page = 0;
};

struct PdfText {
    QList<QSizeF> pages; // page sizes in points
    QList<PdfWord> words;
    QString error;       // empty when the file was read

    // The first word with this text, or nullptr.
    const PdfWord* find(const QString& text) const
    {
        for (const PdfWord& word : words)
            if (word.text == text)
                return &word;
        return nullptr;
    }

    // `first` and the words to its right on its line, left to right, joined by single spaces.
    QString lineFrom(const PdfWord& first) const
    {
        QList<PdfWord> line;
        for (const PdfWord& word : words)
            if (word.page == first.page && word.box.left() >= first.box.left() - 0.5
                && qAbs(word.box.top() - first.box.top()) < 0.5)
                line << word;
        std::sort(line.begin(), line.end(),
                  [](const PdfWord& a, const PdfWord& b) { return a.box.left() < b.box.left(); });
        QStringList texts;
        for (const PdfWord& word : line)
            texts << word.text;
        return texts.join(QLatin1Char(' '));
    }
};

inline PdfText readPdfWords(const QString& path)
{
    PdfText result;
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty()) {
        result.error = QStringLiteral("pdftotext (poppler-utils) is not installed");
        return result;
    }
    QProcess process;
    process.start(tool, {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        result.error = QStringLiteral("pdftotext failed: ") + QString::fromLocal8Bit(process.readAllStandardError());
        return result;
    }
    const QString html = QString::fromUtf8(process.readAllStandardOutput());

    static const QRegularExpression tag(
        QStringLiteral(R"re(<page width="([\d.]+)" height="([\d.]+)">)re")
        + QStringLiteral(R"re(|<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    for (auto it = tag.globalMatch(html); it.hasNext();) {
        const auto match = it.next();
        if (!match.captured(1).isEmpty()) {
            result.pages << QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble());
            continue;
        }
        QString text = match.captured(7);
        text.replace(QStringLiteral("&lt;"), QStringLiteral("<"))
            .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
            .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
            .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
        const QPointF topLeft(match.captured(3).toDouble(), match.captured(4).toDouble());
        const QPointF bottomRight(match.captured(5).toDouble(), match.captured(6).toDouble());
        result.words << PdfWord{text, QRectF(topLeft, bottomRight), int(result.pages.size()) - 1};
    }
    return result;
}

} // namespace vexa::test
