#pragma once

#include <QString>

namespace vt::vendor {

// Who makes the program and where to reach them: the one place these
// texts are kept.
inline const QString kProduct = QStringLiteral("Vantresa 4.0");
inline const QString kName = QStringLiteral("Vantresa Software");
inline const QString kWebAddress = QStringLiteral("https://www.vantresa.example.com");
inline const QString kWebText = QStringLiteral("www.vantresa.example.com");
inline const QString kMailAddress = QStringLiteral("info@vantresa.example.com");

// The text handed to the shell for a new mail message to the vendor,
// quoted and unencoded as the desktop's mail program expects it.
inline QString mailRequest() {
    return u'"' + QStringLiteral("mailto:") + kMailAddress + QStringLiteral("?subject=") +
           QStringLiteral("Software Vantresa 4.0") + QStringLiteral("&body=") +
           QStringLiteral("Salve, desidererei avere le seguenti informazioni sul software in oggetto:") + u'"';
}

}  // namespace vt::vendor
