#pragma once

#include <QList>
#include <QStringList>

#include "app/windows.h"
#include "output/logic/exportdefinition.h"

class QLabel;
class QTableView;
class QToolButton;

namespace vt {

// The window every spreadsheet export shares: a grid headed "N." and the
// export's columns, the export, help and exit buttons and the status line.
// A concrete export supplies its definition (caption, file and worksheet
// names, columns, help page) and the rows to show, read when the window is
// first shown; the export then writes what the grid shows.
class ExportWindow : public DialogWindow {
    Q_OBJECT
public:
    ExportWindow(QWidget* owner, exporting::Definition definition);
    ~ExportWindow() override;

    const exporting::Definition& definition() const { return definition_; }
    // The export file's full path, beside the executable.
    QString filePath() const;
    // The grid's cells without the row-number column, row by row.
    QList<QStringList> gridRows() const;

    // The export procedure: asks, writes the file, asks whether to open it.
    // A grid that could not be filled is not written: the access message
    // says why instead.
    void cmdEsportaClick();
    void cmdGuidaClick();
    void cmdEsciClick();

protected:
    // What to show in the grid; called once, the first time the window is
    // shown, so an opener can set the window up before. A read failure and
    // a notice that come with the rows are shown once the grid is filled.
    virtual exporting::Rows loadRows() = 0;
    void showEvent(QShowEvent* event) override;

private:
    class GridModel;

    void setUpGrid();

    exporting::Definition definition_;
    bool filled_ = false;
    bool readFailed_ = false;
    GridModel* model_ = nullptr;
    QTableView* grdRecords_ = nullptr;
    QToolButton* cmdEsporta_ = nullptr;
    QToolButton* cmdGuida_ = nullptr;
    QToolButton* cmdEsci_ = nullptr;
    QLabel* panInfo_ = nullptr;
};

}  // namespace vt
