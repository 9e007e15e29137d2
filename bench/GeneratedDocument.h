#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace talpora::bench {

// A made-up document shaped like the catalogue's ribbon documents but as large
// as asked: a <tabs> root, <tab> elements holding <group> elements holding
// <button idMso="ButtonN" label="Label N &amp; more"/> lines, TAB-indented,
// CR LF line ends. The last element in document order is always the button
// whose idMso is finalIdMso, so a search can be made to hit the very end.
class GeneratedDocument
{
public:
    static constexpr std::string_view finalIdMso = "FinalButton";

    // `elementCount` counts every element, the root included; at least 4.
    // Button N gets the label `labelWord` " " N `labelTail`, so a longer tail
    // makes a file of fewer elements per megabyte.
    explicit GeneratedDocument(std::size_t elementCount, std::string_view labelWord = "Label",
                               std::string_view labelTail = " &amp; more");

    std::size_t elementCount() const { return m_elementCount; }

    // Hands the text to `sink` in pieces of about a megabyte.
    void write(const std::function<void(std::string_view)>& sink) const;
    std::string text() const;
    // Returns false when the file cannot be written completely.
    bool saveAs(const std::filesystem::path& path) const;

private:
    std::size_t m_elementCount;
    std::string m_labelWord;
    std::string m_labelTail;
};

} // namespace talpora::bench
