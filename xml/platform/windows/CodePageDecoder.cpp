#include "xml/platform/windows/CodePageDecoder.h"

#include <windows.h>

namespace talpora {

namespace {

constexpr unsigned gb18030 = 54936;

} // namespace

CodePageDecoder::CodePageDecoder(unsigned codePage) : m_codePage(codePage)
{
    CPINFO info{};
    m_valid = GetCPInfo(codePage, &info) != 0;
    if (codePage == gb18030) {
        for (int b = 0x81; b <= 0xFE; ++b)
            m_leadByte[std::size_t(b)] = true;
        return;
    }
    // LeadByte holds ranges of lead bytes, two bytes each, ending with 0, 0.
    for (int i = 0; i + 1 < MAX_LEADBYTES && info.LeadByte[i] != 0; i += 2) {
        for (int b = info.LeadByte[i]; b <= info.LeadByte[i + 1]; ++b)
            m_leadByte[std::size_t(b)] = true;
    }
}

std::size_t CodePageDecoder::characterLength(std::string_view bytes) const
{
    if (!m_leadByte[static_cast<unsigned char>(bytes[0])])
        return 1;
    if (bytes.size() < 2)
        return 2;
    // GB18030 has four-byte characters: a lead byte, then a digit, then
    // another lead byte and another digit.
    const auto second = static_cast<unsigned char>(bytes[1]);
    return m_codePage == gb18030 && second >= 0x30 && second <= 0x39 ? 4 : 2;
}

std::size_t CodePageDecoder::wholeCharacters(std::string_view bytes) const
{
    std::size_t at = 0;
    while (at < bytes.size()) {
        const std::size_t length = characterLength(bytes.substr(at));
        if (at + length > bytes.size())
            break;
        at += length;
    }
    return at;
}

bool CodePageDecoder::decode(std::string_view bytes, std::string& utf8)
{
    utf8.clear();
    if (!m_pending.empty()) {
        m_joined = m_pending;
        m_joined.append(bytes);
        bytes = m_joined;
    }
    const std::size_t whole = wholeCharacters(bytes);
    const std::string_view complete = bytes.substr(0, whole);
    if (appendDecoded(complete, utf8)) {
        m_pending.assign(bytes.substr(whole));
        return true;
    }
    // Find the bad character: decode the chunk one character at a time.
    utf8.clear();
    std::size_t at = 0;
    while (at < complete.size()) {
        const std::size_t length = characterLength(complete.substr(at));
        if (!appendDecoded(complete.substr(at, length), utf8))
            break;
        at += length;
    }
    m_pending.clear();
    return false;
}

bool CodePageDecoder::appendDecoded(std::string_view bytes, std::string& utf8)
{
    if (bytes.empty())
        return true;
    const int wideLength = MultiByteToWideChar(m_codePage, MB_ERR_INVALID_CHARS, bytes.data(),
                                               int(bytes.size()), nullptr, 0);
    if (wideLength <= 0)
        return false;
    m_wide.resize(std::size_t(wideLength));
    MultiByteToWideChar(m_codePage, MB_ERR_INVALID_CHARS, bytes.data(), int(bytes.size()),
                        m_wide.data(), wideLength);
    const int utf8Length =
        WideCharToMultiByte(CP_UTF8, 0, m_wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    const std::size_t start = utf8.size();
    utf8.resize(start + std::size_t(utf8Length));
    WideCharToMultiByte(CP_UTF8, 0, m_wide.data(), wideLength, utf8.data() + start, utf8Length,
                        nullptr, nullptr);
    return true;
}

} // namespace talpora
