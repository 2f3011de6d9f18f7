#pragma once

#include "platform/qt/QtPrinterDevice.h"
#include "support/FakePlatform.h"

#include <QPageSize>
#include <QPrinter>

#include <memory>

// A file printer writing a PDF to path, on the given paper.
inline std::unique_ptr<QPrinter> pdfPrinter(const QString& path, QPageSize::PageSizeId paper = QPageSize::Letter)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    printer->setPageSize(QPageSize(paper));
    return printer;
}

// The print dialog answered with "Print to File" into path, on the paper chosen there; with a
// device name, the file is printed as that printer would print it.
inline FakePlatform::PrintAnswer pdfAnswer(const QString& path, QPageSize::PageSizeId paper = QPageSize::Letter,
                                           const QString& deviceName = QString(), int copies = 1)
{
    FakePlatform::PrintAnswer answer;
    answer.copies = copies;
    answer.device = [path, paper, deviceName] {
        return std::make_unique<QtPrinterDevice>(pdfPrinter(path, paper), deviceName);
    };
    return answer;
}
