#include "report/pdfinfo.h"

// The program uses none of the old smart pointer of the library.
#define POINTERHOLDER_TRANSITION 4
#include <exception>
#include <memory>
#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFWriter.hh>

namespace vt::report {

QByteArray withSubject(const QByteArray& pdf, const QString& subject) {
    try {
        QPDF document;
        document.setSuppressWarnings(true);
        document.processMemoryFile("document", pdf.constData(), static_cast<size_t>(pdf.size()));
        QPDFObjectHandle trailer = document.getTrailer();
        QPDFObjectHandle info = trailer.getKey("/Info");
        if (!info.isDictionary()) {
            info = document.makeIndirectObject(QPDFObjectHandle::newDictionary());
            trailer.replaceKey("/Info", info);
        }
        info.replaceKey("/Subject", QPDFObjectHandle::newUnicodeString(subject.toStdString()));
        QPDFWriter writer(document);
        writer.setOutputMemory();
        writer.write();
        const std::shared_ptr<Buffer> out = writer.getBufferSharedPointer();
        return QByteArray(reinterpret_cast<const char*>(out->getBuffer()),
                          static_cast<qsizetype>(out->getSize()));
    } catch (const std::exception&) {
        return {};
    }
}

}  // namespace vt::report
