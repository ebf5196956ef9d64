#pragma once
// A signature or fingerprint graphic: a picture drawn into its bounds; sign_or_fingureprint tells which.
#include "foundation/SKTGraphic.h"

class SKTSignature : public SKTGraphic {
public:
    SKTSignature();
    zelk::GraphicKind kind() const override { return zelk::GraphicKind::Signature; }
    std::shared_ptr<SKTGraphic> clone() const override;
    // sign_or_fingureprint codes. Stored in designs, so they never change.
    static inline const QString Signature = QStringLiteral("S");
    static inline const QString Fingerprint = QStringLiteral("F");
    // The path word that selects the sample picture of the kind.
    static inline const QString DefaultPathWord = QStringLiteral("Default");
    static inline const QString SignatureSample = QStringLiteral("sign_sample.png");
    static inline const QString FingerprintSample = QStringLiteral("fingerprints.png");

    // Takes the picture's own size in points.
    void makeNaturalSize() override;

    // "Default" selects the sample picture of the kind in the application's
    // resources; the path is relocated through the host, stored as
    // _file_path, and the picture loaded into _contents (a null picture when
    // there is none).
    void setFilePath(const QString& path);
    // Drawing (body in SKTSignatureDrawing.cpp); hit testing, handles and
    // drawn area are the base's.
    void drawContents(QPainter& painter) const override;
};
