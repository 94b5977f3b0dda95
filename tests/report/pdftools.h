#pragma once

#include <QImage>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <string>

// The PDF read back as its readers see it, through poppler's tools.

// What a tool printed on its standard output; empty when it failed.
inline std::string ToolOutput(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return {};
    const QByteArray out = process.readAllStandardOutput();
    return std::string(out.constData(), static_cast<std::size_t>(out.size()));
}

inline std::string PdfText(const std::string& pdf) {
    return ToolOutput("pdftotext", {"-layout", QString::fromStdString(pdf), "-"});
}

inline std::string PdfInfo(const std::string& pdf) {
    return ToolOutput("pdfinfo", {QString::fromStdString(pdf)});
}

inline std::string PdfFonts(const std::string& pdf) {
    return ToolOutput("pdffonts", {QString::fromStdString(pdf)});
}

// The first page as pixels at the given resolution.
inline QImage PdfPage(const std::string& pdf, int dotsPerInch) {
    QTemporaryDir dir;
    const QString stem = dir.filePath("page");
    ToolOutput("pdftoppm", {"-png", "-r", QString::number(dotsPerInch), "-singlefile",
                            QString::fromStdString(pdf), stem});
    return QImage(stem + ".png");
}
