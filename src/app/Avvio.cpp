#include "app/Avvio.h"

#include "app/Guida.h"
#include "app/Info.h"
#include "app/OpenURL.h"
#include "app/Splash.h"
#include "app/logic/helppages.h"
#include "app/logic/vendor.h"
#include "app/program.h"
#include "ui_Avvio.h"

TfrmAvvio::TfrmAvvio(QWidget* parent) : vt::ScreenWindow(parent), ui(std::make_unique<Ui::TfrmAvvio>()) {
    ui->setupUi(this);
    // Picture and caption bar of a tile both open its area.
    const struct {
        vt::Picture* picture;
        QPushButton* caption;
        const char* window;
    } tiles[] = {
        {ui->imgAnagrafica, ui->btnAnagrafica, "TfrmClienti"},
        {ui->imgCausali, ui->btnCausali, "TfrmCausali"},
        {ui->imgMovimenti, ui->btnMovimenti, "TfrmMenuMovimenti"},
        {ui->imgPrimanota, ui->btnPrimanota, "TfrmMenuBilancio"},
        {ui->imgGrafici, ui->btnGrafici, "TfrmMenuStats"},
        {ui->imgInsoluti, ui->btnInsoluti, "TfrmMenuInsoluti"},
    };
    for (const auto& tile : tiles) {
        const char* window = tile.window;
        connect(tile.picture, &vt::Picture::clicked, this, [this, window] { openArea(window); });
        connect(tile.caption, &QPushButton::clicked, this, [this, window] { openArea(window); });
    }
    connect(ui->imgInfo, &vt::Picture::clicked, this, &TfrmAvvio::imgInfoClick);
    connect(ui->imgGuida, &vt::Picture::clicked, this, &TfrmAvvio::imgGuidaClick);
    connect(ui->imgProduttore, &vt::Picture::clicked, this, &TfrmAvvio::imgProduttoreClick);
    connect(ui->icoSito, &vt::Picture::clicked, this, &TfrmAvvio::icoSitoClick);
    connect(ui->imgEsci, &vt::Picture::clicked, this, &TfrmAvvio::imgEsciClick);
}

TfrmAvvio::~TfrmAvvio() = default;

void TfrmAvvio::closeStep() { vt::endProgram(); }

void TfrmAvvio::openArea(const char* windowClass) {
    vt::screens::switchTo(this, vt::screens::byClassName(windowClass));
}

void TfrmAvvio::imgInfoClick() { vt::openDialog<TfrmInfo>(this); }

void TfrmAvvio::imgGuidaClick() { vt::showHelp(this, vt::mainMenuHelpPage()); }

void TfrmAvvio::imgProduttoreClick() { vt::openDialog<TfrmSplash>(this); }

void TfrmAvvio::icoSitoClick() { TMisc::Open(vt::vendor::kWebAddress); }

void TfrmAvvio::imgEsciClick() { vt::endProgram(); }
