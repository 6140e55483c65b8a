// Walking a window tree into SVG.
#include "platform/ui/render/SvgRenderer.h"

#include <map>
#include <memory>

#include "platform/core/FileBytes.h"
#include "platform/ui/CWnd.h"
#include "platform/ui/WinMessages.h"
#include "platform/ui/WinStyles.h"
#include "platform/ui/WindowTree.h"
#include "platform/ui/gdi/CPaintDC.h"
#include "platform/ui/gdi/FontMetric.h"
#include "platform/ui/gdi/GdiHandles.h"
#include "platform/ui/render/PngEncoder.h"
#include "platform/ui/render/SvgWriter.h"
#include "platform/ui/render/WindowLooks.h"

namespace render {
namespace {

constexpr COLORREF kCaptionColour = RGB(0, 120, 215);
constexpr int kCaptionBand = 20;

std::map<Tvx_String, ClassPainter>& painters() {
    static std::map<Tvx_String, ClassPainter> table;
    return table;
}

const ClassPainter* painterFor(const Tvx_String& className) {
    const auto found = painters().find(className.toUpper());
    return found == painters().end() ? nullptr : &found->second;
}

std::string number(int value) {
    return std::to_string(value);
}

// Half of a number of pixels: "6.5", "6", "-0.5".
std::string half(int twice) {
    std::string text = std::to_string(twice / 2);
    if (twice % 2 != 0)
        text = (twice < 0 && twice / 2 == 0 ? "-" : "") + text + ".5";
    return text;
}

SvgWriter::Attributes box(const CRect& r) {
    return {{"x", number(r.left)},
            {"y", number(r.top)},
            {"width", number(r.Width())},
            {"height", number(r.Height())}};
}

void addPaint(SvgWriter::Attributes& a, const DrawCommand& c) {
    a.emplace_back("fill", c.hasFill ? SvgWriter::colour(c.fill) : "none");
    if (c.hasStroke) {
        a.emplace_back("stroke", SvgWriter::colour(c.stroke));
        a.emplace_back("stroke-width", number(c.strokeWidth));
    }
}

void writeText(SvgWriter& svg, const DrawCommand& c) {
    if (c.hasTextBackground) {
        auto a = box(c.rect);
        a.emplace_back("fill", SvgWriter::colour(c.textBackground));
        svg.element("rect", a);
    }
    SvgWriter::Attributes a = {
        {"x", number(c.rect.left)},
        {"y", number(c.rect.top + fontMeasures(c.font).ascent)},
        {"font-family",
         c.font.faceName.empty() ? "sans-serif" : Tvx_String(c.font.faceName).toUtf8()},
        {"font-size", number(c.font.height > 0 ? c.font.height : 13)},
        {"fill", SvgWriter::colour(c.textColour)}};
    if (c.font.weight >= 600)
        a.emplace_back("font-weight", "bold");
    if (c.font.italic)
        a.emplace_back("font-style", "italic");
    if (c.font.underline)
        a.emplace_back("text-decoration", "underline");
    a.emplace_back("xml:space", "preserve");
    svg.element("text", a, c.text);
}

// The drawing commands of one window as SVG elements.
void writeCommands(SvgWriter& svg, const gdi::Surface& surface) {
    for (const DrawCommand& c : surface.commands) {
        switch (c.kind) {
            case DrawCommand::Kind::FillRect:
            case DrawCommand::Kind::FrameRect:
            case DrawCommand::Kind::Rectangle: {
                auto a = box(c.rect);
                addPaint(a, c);
                svg.element("rect", a);
                break;
            }
            case DrawCommand::Kind::Ellipse: {
                SvgWriter::Attributes a = {{"cx", half(c.rect.left + c.rect.right)},
                                           {"cy", half(c.rect.top + c.rect.bottom)},
                                           {"rx", half(c.rect.Width())},
                                           {"ry", half(c.rect.Height())}};
                addPaint(a, c);
                svg.element("ellipse", a);
                break;
            }
            case DrawCommand::Kind::Line:
                svg.element("line", {{"x1", number(c.rect.left)},
                                     {"y1", number(c.rect.top)},
                                     {"x2", number(c.rect.right)},
                                     {"y2", number(c.rect.bottom)},
                                     {"stroke", SvgWriter::colour(c.stroke)},
                                     {"stroke-width", number(c.strokeWidth)}});
                break;
            case DrawCommand::Kind::Text:
                writeText(svg, c);
                break;
            case DrawCommand::Kind::Picture:
            case DrawCommand::Kind::FocusRect:
            case DrawCommand::Kind::InvertRect: {
                const std::string png = encodePng(surface.pixels, c.rect);
                if (png.empty())
                    break;
                auto a = box(c.rect);
                a.emplace_back("href", "data:image/png;base64," + base64(png));
                svg.element("image", a);
                break;
            }
        }
    }
}

UINT colourMessageFor(const ui::WindowRecord& w) {
    if (w.className.equal(L"STATIC", false))
        return WM_CTLCOLORSTATIC;
    if (w.className.equal(L"EDIT", false)) {
        return (w.style & ES_READONLY) ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT;
    }
    if (w.className.equal(L"LISTBOX", false))
        return WM_CTLCOLORLISTBOX;
    if (w.className.equal(L"BUTTON", false)) {
        const DWORD type = w.style & BS_TYPEMASK;
        return (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) ? WM_CTLCOLORBTN
                                                                   : WM_CTLCOLORSTATIC;
    }
    return 0;
}

// Asks the parent for the control's colours, on a context sharing its surface.
ControlColours askColours(const ui::WindowRecord& w, const std::shared_ptr<gdi::Surface>& surface) {
    ControlColours colours;
    const UINT message = colourMessageFor(w);
    if (!message || !w.parent)
        return colours;
    CDC dc(surface);
    const COLORREF textBefore = dc.GetTextColor();
    const auto brush = reinterpret_cast<HBRUSH>(::SendMessage(
        w.parent, message, reinterpret_cast<WPARAM>(&dc), reinterpret_cast<LPARAM>(w.handle)));
    if (const gdi::BrushInfo* info = gdi::brushInfo(brush)) {
        colours.transparent = info->hollow || dc.GetBkMode() == TRANSPARENT;
        colours.background = info->colour;
        colours.hasBackground = !info->hollow;
    }
    if (dc.GetTextColor() != textBefore) {
        colours.text = dc.GetTextColor();
        colours.hasText = true;
    }
    return colours;
}

// Everything the window shows in its client area, on a surface of that size.
std::shared_ptr<gdi::Surface> paintClient(const ui::WindowRecord& w, const CSize& size) {
    auto surface = std::make_shared<gdi::Surface>(gdi::Surface{
        PixelImage(std::max(size.cx, 1), std::max(size.cy, 1), false, RGB(255, 255, 255)), {}});
    const ControlColours colours = askColours(w, surface);
    CWnd* object = CWnd::FromHandle(w.handle);
    {
        CDC dc(surface);
        if (const ClassPainter* painter = painterFor(w.className); painter && object) {
            (*painter)(*object, dc);
        } else {
            drawWindowLook(w, dc, colours);
        }
    }
    gdi::PaintSurfaceScope lend(w.handle, surface);
    CDC eraseDc(surface);
    ::SendMessage(w.handle, WM_ERASEBKGND, reinterpret_cast<WPARAM>(&eraseDc), 0);
    ::SendMessage(w.handle, WM_PAINT, 0, 0);
    return surface;
}

void addState(SvgWriter::Attributes& a, const ui::WindowRecord& w, bool isRoot) {
    if (w.className.equal(L"BUTTON", false))
        a.emplace_back("data-checked", number(static_cast<int>(w.control.check)));
    if (!w.control.items.empty() || w.control.curSel >= 0)
        a.emplace_back("data-selected", number(w.control.curSel));
    if (w.style & WS_DISABLED)
        a.emplace_back("data-disabled", "true");
    if (isRoot && !(w.style & WS_VISIBLE))
        a.emplace_back("data-hidden", "true");
}

// The height of the caption band drawn above a captioned top-level window
// whose window system gives it no frame of its own; 0 for other windows.
int captionBand(const ui::WindowRecord& w, const CPoint& clientOffset) {
    const bool captioned = (w.style & WS_CAPTION) == WS_CAPTION && !(w.style & WS_CHILD);
    return captioned && clientOffset.y == 0 ? kCaptionBand : 0;
}

CPoint clientOffsetOf(HWND hwnd) {
    CRect windowRect;
    GetWindowRect(hwnd, &windowRect);
    POINT clientOrigin{0, 0};
    ClientToScreen(hwnd, &clientOrigin);
    return CPoint(clientOrigin.x - windowRect.left, clientOrigin.y - windowRect.top);
}

void renderWindow(SvgWriter& svg, HWND hwnd, CPoint origin, bool isRoot) {
    const ui::WindowRecord* w = ui::findWindow(hwnd);
    if (!w || (!isRoot && !(w->style & WS_VISIBLE)))
        return;
    CRect windowRect, clientRect;
    GetWindowRect(hwnd, &windowRect);
    GetClientRect(hwnd, &clientRect);
    CPoint clientOffset = clientOffsetOf(hwnd);
    const int band = captionBand(*w, clientOffset);
    clientOffset.y += band;

    SvgWriter::Attributes a = {
        {"class", "window"},
        {"data-class", w->className.toUtf8()},
        {"data-id", number(w->id)},
        {"data-text", w->text.toUtf8()},
        {"transform", "translate(" + number(origin.x) + "," + number(origin.y) + ")"}};
    addState(a, *w, isRoot);
    svg.open("g", a);
    if (clientOffset.x > 0 || clientOffset.y > 0) {
        // The frame and, for captioned windows, the caption bar.
        auto frame = box(CRect(0, 0, windowRect.Width(), windowRect.Height() + band));
        frame.emplace_back("fill", SvgWriter::colour(GetSysColor(COLOR_BTNFACE)));
        frame.emplace_back("stroke", SvgWriter::colour(GetSysColor(COLOR_BTNSHADOW)));
        svg.element("rect", frame);
        if ((w->style & WS_CAPTION) == WS_CAPTION && clientOffset.y > 4) {
            auto bar = box(CRect(0, 0, windowRect.Width(), clientOffset.y));
            bar.emplace_back("class", "caption");
            bar.emplace_back("fill", SvgWriter::colour(kCaptionColour));
            svg.element("rect", bar);
            svg.element("text",
                        {{"class", "caption"},
                         {"x", "6"},
                         {"y", number(clientOffset.y - 6)},
                         {"font-family", "sans-serif"},
                         {"font-size", "12"},
                         {"fill", "#ffffff"}},
                        w->text);
        }
    }
    svg.open("g", {{"class", "client"},
                   {"transform",
                    "translate(" + number(clientOffset.x) + "," + number(clientOffset.y) + ")"}});
    const auto surface = paintClient(*w, clientRect.Size());
    writeCommands(svg, *surface);
    // Children are kept top of the Z order first: draw the bottom one first.
    const std::vector<HWND> children = w->children;
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        const ui::WindowRecord* child = ui::findWindow(*it);
        if (child)
            renderWindow(svg, *it, child->rect.TopLeft(), false);
    }
    svg.close();
    svg.close();
}

}  // namespace

bool registerClassPainter(const Tvx_String& className, ClassPainter painter) {
    if (className.isEmpty() || !painter)
        return false;
    painters()[className.toUpper()] = std::move(painter);
    return true;
}

std::string renderWindowSvg(HWND root) {
    if (!ui::findWindow(root))
        return {};
    CRect rect;
    GetWindowRect(root, &rect);
    rect.bottom += captionBand(*ui::findWindow(root), clientOffsetOf(root));
    SvgWriter svg;
    svg.open("svg", {{"xmlns", "http://www.w3.org/2000/svg"},
                     {"width", number(rect.Width())},
                     {"height", number(rect.Height())},
                     {"viewBox", "0 0 " + number(rect.Width()) + " " + number(rect.Height())}});
    renderWindow(svg, root, CPoint(0, 0), true);
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" + svg.finish();
}

bool saveWindowSvg(HWND root, const Tvx_String& path) {
    const std::string text = renderWindowSvg(root);
    return !text.empty() && writeFileBytes(path, text);
}

}  // namespace render
