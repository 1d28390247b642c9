#pragma once

#include <QString>
#include <functional>

namespace orvel {

class ComposerWindow;
class Page;
class SourceWindow;

// The two ways between the Composer and the source window over the one page they share. Each
// way saves the page where it stands, through the page's file, and the other window reads that
// file: so the page keeps its encoding and line ends, and the window that comes up always shows
// the page the other one last held, at its path.
class PageModes {
public:
    PageModes(Page& page, ComposerWindow& composer,
              std::function<SourceWindow*(bool create)> source);

    // The Composer's HTML command.
    void toSource();
    // The source window's Composer command and its close box.
    void toComposer();

    // The generator line of the old editing control, and the program's own that replaces it.
    static const QString kGeneratorOld;
    static const QString kGeneratorNew;

private:
    Page& m_page;
    ComposerWindow& m_composer;
    std::function<SourceWindow*(bool create)> m_source;
    // The source window's text had the old generator lines replaced: the way back writes it.
    bool m_generatorReplaced = false;
};

} // namespace orvel
