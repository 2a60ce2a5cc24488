#include "reports/html_writer.h"

#include "register/program_identity.h"
#include "storage/files.h"
#include "storage/value.h"
#include "ui/dialogs.h"
#include "ui/dos_text.h"
#include "ui/platform.h"

namespace movarel::reports {

namespace {

constexpr std::string_view kCrLf = "\r\n";

std::string Text(const storage::Table& table, std::string_view field) {
  return table.HasField(field) ? table.GetText(field) : std::string();
}

}  // namespace

std::string HtmlEscape(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '&':
        out += "&amp;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string PageText(std::string_view text) { return HtmlEscape(ui::NOHB_OEMTOANSI(text)); }

HtmlPage HTML_INI(const std::string& path, std::string_view title, std::string_view subtitle) {
  // "Zendral" and "zendral" are one page to the Windows-era names: the page already on disk
  // under either spelling is rewritten, and that file, not a missing namesake, is what the
  // browser is given.
  HtmlPage page{storage::ResolvePath(path), {}, 0};
  std::string& doc = page.bytes;
  // The declaration comes before the title, whose accents it governs: a browser or phone
  // whose locale would guess another character set still shows the Windows-1252 letters.
  doc += "<HTML><HEAD><meta charset=\"windows-1252\"><TITLE>";
  doc += title;
  doc += "</TITLE><link rel=\"stylesheet\" href=\"zendral.css\" type=\"text/css\"></HEAD><BODY>";
  doc += kCrLf;
  doc += "<H1 Align=Center>";
  doc += title;
  doc += "</H1><H2 Align=Center>";
  doc += subtitle;
  doc += "</H2><BR>";
  doc += kCrLf;
  return page;
}

void HTML_LINE(HtmlPage& page) {
  page.bytes += "<HR>";
  page.bytes += kCrLf;
}

void HTML_LINETEXT(HtmlPage& page, std::string_view text) {
  page.bytes += storage::RTrim(text);
  page.bytes += "<BR>";
  page.bytes += kCrLf;
}

void HTML_LINETEXTK(HtmlPage& page, std::string_view text) {
  page.bytes += storage::RTrim(text);
  page.bytes += kCrLf;
}

void HTML_TEXT(HtmlPage& page, std::string_view text) { page.bytes += storage::RTrim(text); }

storage::Status HTML_END(HtmlPage& page) {
  page.bytes += "</BODY></HTML>";
  storage::Status saved = page.path.empty() ? storage::Status::InvalidArgument("falta el nombre del fichero")
                                            : storage::WriteFileAtomically(page.path, page.bytes);
  page.bytes.clear();
  return saved.WithContext(page.path);
}

void PIEHTML(registry::WorkingState& state, HtmlPage& page) {
  std::string footer;
  std::string arbiter;
  if (const storage::Table* torneos = state.workspace.Find("torneos")) {
    footer = PageText(storage::AllTrim(Text(*torneos, "PIE_PAG")));
    arbiter = PageText(storage::AllTrim(Text(*torneos, "ARBIT_PPAL")));
  }
  std::string& doc = page.bytes;
  doc += "<table width=\"100%\" border=\"0\" cellspacing=\"0\" cellpadding=\"0\"><tr><td class=\"pie\">";
  doc += footer;
  doc += "</td><td class=\"pie\"><div align=\"right\">";
  doc += arbiter;
  doc += "</div></td></tr></table>";
  doc += "<center>";
  doc += kProgramTitle;
  doc += " - <a href=";
  doc += kProgramWebAddress;
  doc += ">";
  doc += kProgramWebHost;
  doc += "</a></center>";
}

std::string PageTitle(const storage::Table& torneos) {
  return PageText(storage::AllTrim(Text(torneos, "TORNEO")));
}

std::string PageSubtitle(const storage::Table& torneos) {
  const storage::Date start = torneos.HasField("FECHA_INI") ? torneos.GetDate("FECHA_INI") : storage::Date{};
  const storage::Date end = torneos.HasField("FECHA_FIN") ? torneos.GetDate("FECHA_FIN") : storage::Date{};
  std::string dates =
      start == end ? storage::Dtoc(start) : "del " + storage::Dtoc(start) + " al " + storage::Dtoc(end);
  return PageText(storage::RTrim(Text(torneos, "LOCALIDAD"))) + ", " + dates;
}

std::string PagePath(std::string_view name) {
  // The DOS-era rule put the page in the current folder on the current drive; at the root
  // that gave a doubled separator, here it gives the root's file.
  const std::string folder = ui::CurDir();
  std::string path(1, ui::kPathSeparator);
  if (!folder.empty()) {
    path += folder;
    path += ui::kPathSeparator;
  }
  path += ui::PathFromText(std::string(name));  // a name typed in the chooser is text
  path += ".htm";
  return path;
}

void OpenPageIfWanted(registry::WorkingState& state, const std::string& path, bool open_afterwards) {
  if (!open_afterwards || state.dialogs == nullptr) return;
  if (state.CABRIRNAV.empty() || (state.CABRIRNAV[0] != 'S' && state.CABRIRNAV[0] != 's')) return;
  state.dialogs->OpenDocument(path);
}

std::string PageNotWrittenText(const std::string& path, const storage::Status& status) {
  return "No se ha podido crear el fichero " + ui::PathAsText(path) + "\r\n" + status.message();
}

bool FinishPage(registry::WorkingState& state, HtmlPage& page, bool open_afterwards) {
  // The DOS-era writer went on silently with an invalid handle and still opened the missing
  // page; a page that could not be saved is reported instead and nothing is opened.
  const storage::Status saved = HTML_END(page);
  if (!saved.ok()) {
    if (state.dialogs != nullptr) state.dialogs->MsgStop(PageNotWrittenText(page.path, saved));
    return false;
  }
  OpenPageIfWanted(state, page.path, open_afterwards);
  return true;
}

HtmlPage BeginListing(const std::string& path, std::string_view title, std::string_view subtitle,
                      std::string_view heading, std::string_view column_header) {
  HtmlPage page = HTML_INI(path, title, subtitle);
  // The paragraph is left open, as the style sheet's pages always had it.
  HTML_LINETEXT(page, "<p class=\"updated\">" + std::string(heading));
  HTML_LINE(page);
  HTML_TEXT(page, "<pre>");
  HTML_LINETEXTK(page, column_header);
  HTML_LINE(page);
  return page;
}

void WriteListingLine(HtmlPage& page, std::string_view line) {
  HTML_LINETEXTK(page, line);
  if (page.lines % 5 == 0) HTML_LINE(page);
}

void EndListing(registry::WorkingState& state, HtmlPage& page) {
  if (page.lines % 5 != 0) HTML_LINE(page);
  HTML_TEXT(page, "</pre>");
  PIEHTML(state, page);
}

}  // namespace movarel::reports
