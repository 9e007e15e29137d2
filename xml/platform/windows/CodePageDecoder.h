#pragma once

#include "xml/LegacyDecoder.h"

#include <array>
#include <string>

namespace talpora {

// A LegacyDecoder on a Windows code page (MultiByteToWideChar): single-byte
// pages, the double-byte pages of East Asia and GB18030's four-byte
// characters. Bytes the page has no character for are refused.
class CodePageDecoder final : public LegacyDecoder
{
public:
    // isValid() is false when the system lacks the page.
    explicit CodePageDecoder(unsigned codePage);

    bool isValid() const { return m_valid; }
    bool decode(std::string_view bytes, std::string& utf8) override;
    bool finish() override { return m_pending.empty(); }

private:
    // The length of the character that starts `bytes`; more than
    // bytes.size() when it is cut off.
    std::size_t characterLength(std::string_view bytes) const;
    // The length of `bytes` up to the last whole character.
    std::size_t wholeCharacters(std::string_view bytes) const;
    // Appends `bytes` as UTF-8; false when the page refuses them.
    bool appendDecoded(std::string_view bytes, std::string& utf8);

    unsigned m_codePage;
    bool m_valid = false;
    std::array<bool, 256> m_leadByte = {};
    std::string m_pending; // a character cut at the end of the last chunk
    std::string m_joined;
    std::wstring m_wide;
};

} // namespace talpora
