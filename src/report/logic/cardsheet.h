#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QTime>

#include "report/logic/reportlayout.h"

namespace vt::report {

// One row of a card sheet: a caption memo on the left and a named value
// memo on the right.
struct CardRow {
    QString caption;
    QString valueMemo;  // e.g. "txtCausale"; the caption memo is "tit" + the rest
};

// The one-page information sheet of a card: A4 portrait, margins 10 mm; a
// title bar (memo titArcataSup, Arial 9 pt, light steel blue) at 1,1 of
// 188 x 5.8 mm; framed rows 188 x 4.6 mm from 7 mm down, one every 5 mm,
// captions 2 mm from the left (37.8 wide), values 44 mm from the left (144
// wide), both Arial 7 pt, a vertical line at 42 mm from the first row to
// the last; a footer bar (memo txtCalce, Arial 8 pt, gold) at 1,footerTop.
ReportLayout cardSheetLayout(const QString& name, const QString& title, const QList<CardRow>& rows,
                             double footerTop);

// A printed card filled from the card editor's controls as they stand.
// Each row takes the trimmed text of `control`, or, when `checkedWord` is
// set, one of two words by whether the control (a radio button or check
// box) is checked.
struct SheetRow {
    QString caption;
    QString memo;
    QString control;
    QString checkedWord = {};
    QString uncheckedWord = {};

    bool byCheck() const { return !checkedWord.isEmpty(); }
};
struct CardSheet {
    QString name;   // the layout's name, e.g. "Scheda movimento"
    QString title;  // the title bar's text
    QList<SheetRow> rows;
    double footerTop = 0;  // where the footer bar sits, in millimetres
};
ReportLayout cardSheetLayout(const CardSheet& sheet);

// "Stampa eseguita in data dd/mm/yyyy alle ore hh:mm:ss".
QString printedOnText(const QDate& day, const QTime& time);

}  // namespace vt::report
