#include "recordingcanvas.h"

namespace tolvane::test {

void RecordingCanvas::setFontPitch(FontPitch pitch)
{
    const char* names[] = {"default", "fixed", "variable"};
    calls.append(QStringLiteral("pitch ") + QLatin1String(names[static_cast<int>(pitch)]));
}

void RecordingCanvas::setTextAlign(TextAlign align)
{
    const char* names[] = {"left", "right", "center"};
    calls.append(QStringLiteral("align ") + QLatin1String(names[static_cast<int>(align)]));
}

QStringList RecordingCanvas::only(const QString& prefix) const
{
    QStringList matching;
    for (const QString& call : calls)
        if (call.startsWith(prefix))
            matching.append(call);
    return matching;
}

void RecordingCanvas::record(QStringView op, std::initializer_list<int> args)
{
    QString line = op.toString();
    for (int a : args)
        line += QLatin1Char(' ') + QString::number(a);
    calls.append(line);
}

QStringList RecordingCanvas::alignedTexts() const
{
    QStringList texts;
    QChar align = QLatin1Char('L');
    for (const QString& call : calls) {
        if (call == QStringLiteral("align right"))
            align = QLatin1Char('R');
        else if (call == QStringLiteral("align left"))
            align = QLatin1Char('L');
        else if (call.startsWith(QStringLiteral("text ")))
            texts.append(align + call.mid(4));
        else if (call == QStringLiteral("newpage"))
            texts.append(call);
    }
    return texts;
}

} // namespace tolvane::test
