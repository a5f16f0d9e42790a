#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace vt::cliprint {

// The printed registry card "SCHEDA ANAGRAFICA": its twenty-four rows, top
// to bottom, each a caption and a value made of the card's controls.
inline constexpr int kRows = 24;
QString title();
QString reportName();  // also the PDF's document title and subject
QStringList captions();

// The twenty-four values, each from the trimmed texts of the card's
// controls: `text` gives a control's text by its object name.
QStringList values(const std::function<QString(const QString& control)>& text);

// The memo names of row n (1 to 24): "titCampo01" and "txtCampo01" ...
QString captionMemo(int row);
QString valueMemo(int row);

// The PDF beside the program, the question asked once it is written, and
// the message shown when it cannot be written.
QString pdfFileName();
QString pdfDoneQuestion();
QString pdfFailureMessage();

}  // namespace vt::cliprint
