#pragma once

#include "platform/QtPrinterDevice.h"
#include "support/FakePlatform.h"

#include <QPageSize>
#include <QPrinter>

// The print dialog answered with "Print to File" into path, on the paper chosen there; with a
// device name, the file is printed as that printer would print it.
inline FakePlatform::PrintAnswer pdfAnswer(const QString& path, QPageSize::PageSizeId paper = QPageSize::Letter,
                                           const QString& deviceName = QString())
{
    FakePlatform::PrintAnswer answer;
    answer.device = [path, paper, deviceName] {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(path);
        printer->setPageSize(QPageSize(paper));
        return std::make_unique<QtPrinterDevice>(std::move(printer), deviceName);
    };
    return answer;
}
