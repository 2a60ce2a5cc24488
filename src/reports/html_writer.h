#pragma once
// The HTML page writer every listing goes through. A page is built in memory, in an HtmlPage
// the listing owns, and saved as a whole by HTML_END, so a page that cannot be written leaves
// nothing half-made on disk and its report can say so.
//
// Bytes: the program's texts are Windows-1252; line ends are CR LF only where the writer
// puts them. The head declares the character set (the DOS-era pages had none and left the
// browser to guess). Text from the tables goes through PageText before it reaches a page;
// the program's own markup goes out as it stands.

#include <string>
#include <string_view>

#include "register/working_state.h"
#include "storage/status.h"
#include "storage/table.h"

namespace movarel::reports {

// A page under construction: where HTML_END saves it, its bytes so far, and the running line
// or board count of its listing (several listings print it).
struct HtmlPage {
  std::string path;
  std::string bytes;
  int lines = 0;
};

// "<" ">" "&" as entities, every other byte unchanged: table text can neither break a page
// nor inject markup into it.
std::string HtmlEscape(std::string_view text);

// Table text on its way into a page: the DOS program's code page 850 as Windows-1252
// (NOHB_OEMTOANSI), then escaped.
std::string PageText(std::string_view text);

// A new page with the head: title in the window and as H1, subtitle as H2, the style sheet
// "zendral.css" linked (never written). Title and subtitle go out as given: callers pass
// escaped table text.
HtmlPage HTML_INI(const std::string& path, std::string_view title, std::string_view subtitle);
void HTML_LINE(HtmlPage& page);                              // "<HR>" CR LF
void HTML_LINETEXT(HtmlPage& page, std::string_view text);   // RTRIM(text) "<BR>" CR LF
void HTML_LINETEXTK(HtmlPage& page, std::string_view text);  // RTRIM(text) CR LF
void HTML_TEXT(HtmlPage& page, std::string_view text);       // RTRIM(text)
// Appends "</BODY></HTML>" and saves the page at its path, replacing any older file only
// once the new one is complete. The page's bytes are dropped either way. The error names the
// file.
storage::Status HTML_END(HtmlPage& page);
// The footer: the register's PIE_PAG and ARBIT_PPAL (escaped) of the current `torneos`
// record, then the program's name and web link. Without an open register the two cells are
// empty.
void PIEHTML(registry::WorkingState& state, HtmlPage& page);

// Title and subtitle of every page with the tournament's heading, escaped: TORNEO trimmed;
// LOCALIDAD + ", " + the start date, or "del " + start + " al " + end when they differ.
std::string PageTitle(const storage::Table& torneos);
std::string PageSubtitle(const storage::Table& torneos);

// The file of the page named `name`: in the current folder (the open tournament's), with
// the extension ".htm".
std::string PagePath(std::string_view name);

// The browser rule: opens the saved page with the default program when the caller asks for
// it and CABRIRNAV starts with "S" or "s".
void OpenPageIfWanted(registry::WorkingState& state, const std::string& path, bool open_afterwards);

// Saves the page (HTML_END); when it cannot be saved shows a stop box naming the file and
// returns false, and the page is not opened; otherwise applies the browser rule.
bool FinishPage(registry::WorkingState& state, HtmlPage& page, bool open_afterwards);

// The text of the stop box shown when a page cannot be written.
std::string PageNotWrittenText(const std::string& path, const storage::Status& status);

// The standard listing page: the heading paragraph, a rule, "<pre>" with the column header,
// a rule, the body lines with a rule after every fifth, exactly one closing rule, "</pre>",
// the footer. Use as:
//   HtmlPage page = BeginListing(path, title, subtitle, heading, header);
//   for each line: ++page.lines; WriteListingLine(page, line);
//   EndListing(state, page); FinishPage(state, page, open_afterwards);
// The line writers count the lines themselves because several print the count.
HtmlPage BeginListing(const std::string& path, std::string_view title, std::string_view subtitle,
                      std::string_view heading, std::string_view column_header);
void WriteListingLine(HtmlPage& page, std::string_view line);
// The closing rule (unless the last line already got one), "</pre>" and the footer; the
// page still has to be finished.
void EndListing(registry::WorkingState& state, HtmlPage& page);

}  // namespace movarel::reports
