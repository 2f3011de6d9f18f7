#include "print/ComposerPrintRequest.h"

#include "platform/AppError.h"
#include "platform/Numbers.h"

#include <algorithm>

Int16Box::Int16Box(const QString& text)
{
    try {
        m_value = readInt16(text);
    } catch (const AppError&) {
        m_value.reset();
    }
}

int16_t Int16Box::value() const
{
    if (!m_value)
        throw AppError::overflow();
    return *m_value;
}

int envelopeSizeOf(const QString& sizeNumber)
{
    return static_cast<int>(std::clamp(leadingNumber(sizeNumber), -1.0, 8.0));
}

ComposerPrintRequest readComposerPrint(const Composer& composer)
{
    ComposerPrintRequest request;
    request.lines = composer.lines;
    request.labelStock = composer.labelStock;
    request.envelope = composer.envelope;
    request.centered = composer.centered;
    request.leftJustified = composer.leftJustified;
    request.portrait = composer.portrait;
    request.bold = composer.bold;
    request.largeFont = composer.largeFont;
    request.envelopeSize = envelopeSizeOf(composer.envelopeSizeNumber);

    request.positions = {composer.startPosition, composer.endPosition, composer.labelCount};
    if (composer.labelStock && !composer.positionCaption.isEmpty()) {
        request.reparsed = true;
        request.endBeforeStart = !parsePositionEntry(composer.positionEntry, request.positions);
    }
    request.startPosition = leadingNumber(request.positions.start);
    request.labelCount = request.positions.count;
    request.indent = Int16Box(composer.leftPad);
    request.padRows = Int16Box(composer.topPad);
    if (request.reparsed && !request.endBeforeStart) {
        if (const auto margins = labelMargins(request.startPosition)) {
            request.indent = Int16Box(margins->indent);
            request.padRows = Int16Box(margins->padRows);
            request.tableMargins = true;
        }
    }
    return request;
}

void showReparsedPositions(Composer& composer, const ComposerPrintRequest& request)
{
    if (!request.reparsed || request.endBeforeStart)
        return;
    composer.startPosition = request.positions.start;
    composer.endPosition = request.positions.end;
    composer.labelCount = request.positions.count;
    if (request.tableMargins) {
        composer.leftPad = QString::number(request.indent.value());
        composer.topPad = QString::number(request.padRows.value());
    }
}
