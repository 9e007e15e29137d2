#pragma once

#include "xml/LegacyDecoder.h"

#include <QStringDecoder>

namespace talpora {

// A LegacyDecoder on Qt's converters, which know every encoding ICU knows.
class QtLegacyDecoder final : public LegacyDecoder
{
public:
    explicit QtLegacyDecoder(QByteArrayView name);

    bool isValid() const { return m_decoder.isValid(); }
    bool decode(std::string_view bytes, std::string& utf8) override;
    bool finish() override;

private:
    QStringDecoder m_decoder;
};

} // namespace talpora
