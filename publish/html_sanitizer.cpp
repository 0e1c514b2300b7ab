#include "publish/html_sanitizer.h"
#include "publish/ascii_text.h"

#include <libxml/HTMLparser.h>
#include <libxml/tree.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <memory>

namespace {
// Elements kept with their allowed attributes.
constexpr std::array<std::string_view, 24> KEPT_ELEMENTS = {
    "a",  "b",  "strong", "i",  "em", "u",  "br", "p",     "div", "span",       "ul", "ol",
    "li", "h1", "h2",     "h3", "h4", "h5", "h6", "table", "tr",  "blockquote", "td", "img"};
// Elements dropped with everything inside them.
constexpr std::array<std::string_view, 19> DROPPED_ELEMENTS = {
    "script",   "style", "iframe", "frame",  "frameset", "object",   "embed",
    "applet",   "form",  "input",  "button", "select",   "textarea", "noscript",
    "template", "svg",   "math",   "link",   "meta"};
constexpr std::array<std::string_view, 5> VOID_ELEMENTS = {"br", "img", "hr", "wbr", "col"};

bool OneOf(std::string_view name, const auto& names) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

std::string_view NameOf(const xmlChar* name) {
    return name ? std::string_view(reinterpret_cast<const char*>(name)) : std::string_view();
}

// Only absolute http and https addresses survive; "javascript:", "data:", relative and
// protocol-relative addresses do not.
bool IsWebAddress(std::string_view address) {
    while (!address.empty() && std::isspace(static_cast<unsigned char>(address.front())))
        address.remove_prefix(1);
    const std::string lower = LowerAscii(address.substr(0, 8));
    return lower.starts_with("http://") || lower.starts_with("https://");
}

void AppendEscaped(std::string_view text, std::string& out) {
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\r':
        case '\n':
        case '\t': out += ' '; break;
        default: out += c;
        }
    }
}

std::string AttributeValue(xmlNode* element, const char* name) {
    xmlChar* value = xmlGetProp(element, reinterpret_cast<const xmlChar*>(name));
    if (!value) return std::string();
    std::string text(reinterpret_cast<const char*>(value));
    xmlFree(value);
    return text;
}

void AppendAttribute(std::string_view name, std::string_view value, std::string& out) {
    out += ' ';
    out += name;
    out += "=\"";
    AppendEscaped(value, out);
    out += '"';
}

// The attributes an element keeps: addresses that pass IsWebAddress, and plain texts.
void AppendAllowedAttributes(std::string_view element, xmlNode* node, std::string& out) {
    if (element == "a") {
        const std::string href = AttributeValue(node, "href");
        if (IsWebAddress(href)) AppendAttribute("href", href, out);
    } else if (element == "img") {
        for (const char* name : {"alt", "width", "height"})
            if (xmlHasProp(node, reinterpret_cast<const xmlChar*>(name)))
                AppendAttribute(name, AttributeValue(node, name), out);
    }
}

// Deeper markup is dropped: no news body needs it, and the walk must not exhaust the stack.
constexpr int MAX_DEPTH = 64;

void WriteChildren(xmlNode* parent, int depth, std::string& out);

void WriteElement(xmlNode* node, int depth, std::string& out) {
    const std::string name = LowerAscii(NameOf(node->name));
    if (OneOf(name, DROPPED_ELEMENTS) || depth > MAX_DEPTH) return;
    if (!OneOf(name, KEPT_ELEMENTS)) {
        WriteChildren(node, depth + 1, out);
        return;
    }
    if (name == "img") {
        // An image without a web address is nothing to show.
        const std::string source = AttributeValue(node, "src");
        if (!IsWebAddress(source)) return;
        out += "<img";
        AppendAttribute("src", source, out);
        AppendAllowedAttributes(name, node, out);
        out += '>';
        return;
    }
    out += '<';
    out += name;
    AppendAllowedAttributes(name, node, out);
    out += '>';
    if (OneOf(name, VOID_ELEMENTS)) return;
    WriteChildren(node, depth + 1, out);
    out += "</";
    out += name;
    out += '>';
}

void WriteChildren(xmlNode* parent, int depth, std::string& out) {
    for (xmlNode* node = parent->children; node; node = node->next) {
        if (node->type == XML_TEXT_NODE || node->type == XML_CDATA_SECTION_NODE)
            AppendEscaped(NameOf(node->content), out);
        else if (node->type == XML_ELEMENT_NODE)
            WriteElement(node, depth, out);
    }
}

struct DocumentDeleter {
    void operator()(xmlDoc* document) const { xmlFreeDoc(document); }
};
}  // namespace

std::string SanitizeHtml(std::string_view html) {
    if (html.empty()) return std::string();
    // A fragment is wrapped so that the parser's implied html/body hold exactly it.
    const std::string page = "<html><body>" + std::string(html) + "</body></html>";
    const int options = HTML_PARSE_NONET | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING;
    std::unique_ptr<xmlDoc, DocumentDeleter> document(
        htmlReadMemory(page.data(), static_cast<int>(page.size()), nullptr, "UTF-8", options));
    if (!document) return EscapeHtmlText(html);
    xmlNode* root = xmlDocGetRootElement(document.get());
    std::string out;
    if (!root) return out;
    for (xmlNode* node = root->children; node; node = node->next)
        if (node->type == XML_ELEMENT_NODE && NameOf(node->name) == "body")
            WriteChildren(node, 0, out);
    return out;
}

std::string EscapeHtmlText(std::string_view text) {
    std::string out;
    AppendEscaped(text, out);
    return out;
}
