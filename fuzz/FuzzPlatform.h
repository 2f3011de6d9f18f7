#pragma once

#include "platform/Platform.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// A platform with no desktop behind it: every dialog is answered at once (the first button,
// the default answer, cancel), and messages are only counted.
class FuzzPlatform : public Platform {
public:
    int messages = 0;
    int beeps = 0;
    QString lastTitle;
    QString folder;
    QDate todayDate = QDate(2026, 6, 1);

    MessageAnswer messageBox(const QString&, const QString& title, MessageButtons buttons,
                             MessageIcon) override
    {
        ++messages;
        lastTitle = title;
        switch (buttons) {
        case MessageButtons::YesNo:
        case MessageButtons::YesNoCancel:
            return MessageAnswer::Yes;
        case MessageButtons::RetryCancel:
            return MessageAnswer::Cancel;
        case MessageButtons::Ok:
            break;
        }
        return MessageAnswer::Ok;
    }
    QString inputBox(const QString&, const QString&, const QString& defaultAnswer) override { return defaultAnswer; }
    void beep() override { ++beeps; }
    std::optional<FileDialogAnswer> openFileDialog(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<PrintChoice> printDialog(const PrintDialogRequest&) override { return std::nullopt; }
    void clearClipboard() override {}
    void setClipboardText(const QString&) override {}
    QString clipboardText() override { return QString(); }
    void writeSetting(const QString&, const QString&, const QString&, const QString&) override {}
    QString readSetting(const QString&, const QString&, const QString&) override { return QString(); }
    QStringList printerNames() override { return {}; }
    bool openDocument(const QString&) override { return false; }
    bool startProgram(const QString&) override { return false; }
    QString programFolder() override { return folder; }
    QDate today() override { return todayDate; }
};

// A broken invariant: report it and abort, which libFuzzer records as a crash with the input.
#define FUZZ_CHECK(cond)                                                                        \
    do {                                                                                        \
        if (!(cond)) {                                                                          \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #cond);       \
            std::abort();                                                                       \
        }                                                                                       \
    } while (0)

inline QByteArray fuzzBytes(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// The input cut at its first `parts - 1` newlines into texts; missing ones are empty.
template <size_t N>
std::array<QByteArray, N> fuzzSplit(const QByteArray& bytes)
{
    std::array<QByteArray, N> parts;
    qsizetype from = 0;
    for (size_t i = 0; i < N; ++i) {
        if (from > bytes.size())
            break;
        const qsizetype nl = i + 1 < N ? bytes.indexOf('\n', from) : -1;
        if (nl < 0) {
            parts[i] = bytes.mid(from);
            break;
        }
        parts[i] = bytes.mid(from, nl - from);
        from = nl + 1;
    }
    return parts;
}
