// SPDX-License-Identifier: MIT
#include "window/web/Markup.h"

#include "window/CardName.h"
#include "window/Controls.h"
#include "window/Design.h"
#include "window/Drawing.h"
#include "window/Grid.h"
#include "window/loadobj.h"
#include "window/web/Figures.h"
#include "window/web/PageLayout.h"

namespace diruvari {

namespace {

// The design's texts need no escapes but these.
std::string escaped(const std::string& text) {
    std::string out;
    for (const char c : text) {
        out += c == '&' ? "&amp;" : c == '<' ? "&lt;" : c == '"' ? "&quot;" : std::string(1, c);
    }
    return out;
}

std::string cardMarkup(int k) {
    std::string card = "<button class=\"card\" id=\"card" + std::to_string(k) +
                       "\" aria-pressed=\"false\" aria-label=\"" +
                       escaped(cardName(k, cardDesignColor)) + '"';
    // Card 0 alone exists as designed, and takes the focus first.
    card += k == 0 ? " autofocus" : " tabindex=\"-1\" hidden";
    return "<div role=\"gridcell\">" + card + "></button></div>";
}

std::string boardMarkup() {
    std::string board = "<div id=\"board\" role=\"grid\" aria-label=\"" + escaped(boardName) +
                        "\" aria-describedby=\"board-keys\">";
    for (int row = 0; row < gridSize; ++row) {
        // Named, or a reader would read a row's cards on entering it.
        board += "<div role=\"row\" aria-label=\"Row " + std::to_string(row + 1) + "\">";
        for (int col = 0; col < gridSize; ++col) {
            board += cardMarkup(cardIndex(col, row));
        }
        board += "</div>";
    }
    return board + "</div><div id=\"board-keys\" class=\"unseen\">" + escaped(boardKeys) + "</div>";
}

std::string labelsMarkup() {
    std::string labels = "<div id=\"labels\">";
    for (std::size_t i = 0; i < labelDesigns.size(); ++i) {
        labels += "<div class=\"label\" id=\"label" + std::to_string(i) + "\">" +
                  escaped(labelDesigns.at(i).caption) + "</div>";
    }
    return labels + "</div>";
}

// A modal dialog as WAI-ARIA has it, of the element's own role: named by its
// title, described by its prompt, its OK inside an application, where a
// reader stays in its focus mode.
std::string boxMarkup() {
    return "<dialog id=\"box\" aria-modal=\"true\" aria-labelledby=\"box-title\" "
           "aria-describedby=\"box-prompt\"><h1 id=\"box-title\">" +
           escaped(applicationName) +
           "</h1><p id=\"box-prompt\"></p><div role=\"application\"><button id=\"box-ok\" "
           "aria-describedby=\"box-prompt\">OK</button></div></dialog>";
}

std::string endedMarkup() {
    const std::string name = escaped(applicationName);
    return "<div id=\"ended\" hidden><p id=\"stopped\" role=\"alert\" hidden>" + name +
           " stopped because of an internal error.</p><button id=\"again\">Play " + name +
           " again</button></div>";
}

}  // namespace

std::string windowMarkup() {
    return "<main id=\"desktop\"><div id=\"window\" hidden aria-label=\"" +
           escaped(windowCaption) +
           "\"><div class=\"menubar\" role=\"menubar\"><button id=\"reset\" role=\"menuitem\">" +
           escaped(resetCaption) +
           "</button></div><div id=\"client\"><div id=\"frame\" hidden aria-hidden=\"true\"></div>" +
           boardMarkup() + labelsMarkup() +
           "</div><div id=\"news\" class=\"unseen\" aria-live=\"polite\" aria-atomic=\"true\"></div>"
           "</div>" +
           endedMarkup() + "</main>\n" + boxMarkup();
}

}  // namespace diruvari

namespace diruvari {

namespace {

std::string px(int pixels) {
    return std::to_string(pixels) + "px";
}

std::string placed(const std::string& id, const PixelRect& r) {
    return '#' + id + "{left:" + px(r.left) + ";top:" + px(r.top) + ";width:" + px(r.width) +
           ";height:" + px(r.height) + "}\n";
}

// The design's colours and face, then its sizes at scale 1, which are whole.
std::string rootVariables() {
    const auto color = [](const char* name, ColorValue c) {
        return std::string(name) + ':' + dom::cssColor(c) + ';';
    };
    std::string vars = color("--background", backgroundColor) + color("--frame", frameColor) +
                       color("--outer-light", bevelOuterLight) +
                       color("--inner-light", bevelInnerLight) +
                       color("--inner-shadow", bevelInnerShadow) +
                       color("--outer-shadow", bevelOuterShadow) +
                       color("--label-text", labelTextColor);
    vars += "--label-weight:" + std::to_string(labelFontWeight) + ";--label-family:\"" +
            labelFamily + "\", \"" + bundledLabelFamily + "\";";
    for (const PageVariable& v : pageVariables(Drawing())) {
        vars += std::string(v.name) + ':' + px(static_cast<int>(v.pixels)) + ';';
    }
    // Every card is white as designed, until the first deal paints it.
    return ":root{" + vars + "}\n.card{background-color:" + dom::cssColor(cardDesignColor) + "}\n";
}

}  // namespace

PixelRect loadedCard(int k) {
    // Controls that no one sees, loaded once.
    struct Unseen final : View {
        void cardChanged(int, const CardControl&, unsigned) override {}
        void frameChanged(const FrameControl&) override {}
        void captionChanged(int, const LabelControl&) override {}
        void showWindow() override {}
        void showBox(const std::string&) override {}
        void announce(const std::string&) override {}
        void focusCard(int) override {}
        int focusedCard() const override { return -1; }
        void closeAndQuit() override {}
    };
    static Unseen unseen;
    static Controls& controls = []() -> Controls& {
        static Controls loaded(unseen);
        loadobj(loaded);
        return loaded;
    }();
    const CardControl& card = controls.Card(k);
    return Drawing().card(card.left(), card.top());
}

// Every card where the first load puts it: the load then moves none.
std::string designStyle() {
    std::string style = rootVariables();
    for (int k = 0; k < Controls::cardCount; ++k) {
        style += placed("card" + std::to_string(k), loadedCard(k));
    }
    const Drawing drawing;
    for (int i = 0; i < static_cast<int>(labelDesigns.size()); ++i) {
        style += placed("label" + std::to_string(i), drawing.label(i));
    }
    return style;
}

}  // namespace diruvari
