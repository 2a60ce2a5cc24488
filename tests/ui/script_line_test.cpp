// Parsing script lines: verbs, quoting, values that run to the end of the line.

#include <gtest/gtest.h>

#include "ui/script_line.h"

namespace movarel::ui {
namespace {

struct ParseCase {
  const char* line;
  ScriptVerb verb;
  std::vector<std::string> args;
  bool quoted_path;
};

class ParseLine : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseLine, GivesVerbAndArguments) {
  auto parsed = ParseScriptLine(GetParam().line, 7);
  ASSERT_TRUE(parsed.ok()) << parsed.status().message();
  EXPECT_EQ(parsed->verb, GetParam().verb);
  EXPECT_EQ(parsed->args, GetParam().args);
  EXPECT_EQ(parsed->quoted_path, GetParam().quoted_path);
  EXPECT_EQ(parsed->number, 7);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ParseLine,
    ::testing::Values(
        ParseCase{"menu mnuCfgFVA", ScriptVerb::kMenu, {"mnuCfgFVA"}, false},
        ParseCase{"menu \"&Configurar\" \"Fichero con el Elo F&VA\"", ScriptVerb::kMenu,
                  {"&Configurar", "Fichero con el Elo F&VA"}, true},
        ParseCase{"MENU \"&Torneo\" \"Crear &orden de fuerza de acuerdo a...\"  \"elo FVA\"  ", ScriptVerb::kMenu,
                  {"&Torneo", "Crear &orden de fuerza de acuerdo a...", "elo FVA"}, true},
        ParseCase{"yes", ScriptVerb::kYes, {}, false},
        ParseCase{"  no\r", ScriptVerb::kNo, {}, false},
        ParseCase{"file", ScriptVerb::kFile, {}, false},
        ParseCase{"file /tmp/mis documentos/fva.dbf", ScriptVerb::kFile, {"/tmp/mis documentos/fva.dbf"}, false},
        ParseCase{"input", ScriptVerb::kInput, {}, false},
        ParseCase{"input \"\"", ScriptVerb::kInput, {""}, false},
        ParseCase{"input \" s \"", ScriptVerb::kInput, {" s "}, false},
        ParseCase{"input el \"Open\"", ScriptVerb::kInput, {"el \"Open\""}, false},
        ParseCase{"set txtTORNEO Open de Ja\xC3\xA9n", ScriptVerb::kSet, {"txtTORNEO", "Open de Ja\xE9n"}, false},
        ParseCase{"set txtX \"say \\\"hi\\\" \\\\\"", ScriptVerb::kSet, {"txtX", "say \"hi\" \\"}, false},
        ParseCase{"header brwPr CANTIDAD", ScriptVerb::kHeader, {"brwPr", "CANTIDAD"}, false},
        ParseCase{"header brwTorneos FECHA DE INICIO", ScriptVerb::kHeader, {"brwTorneos", "FECHA DE INICIO"}, false},
        ParseCase{"edit brwCuadro 3 NOMBRE P\xC3\xA9rez, Ana", ScriptVerb::kEdit,
                  {"brwCuadro", "3", "NOMBRE", "P\xE9rez, Ana"}, false},
        ParseCase{"print /tmp/papeletas.pdf", ScriptVerb::kPrint, {"/tmp/papeletas.pdf"}, false},
        ParseCase{"form FrmElegRda", ScriptVerb::kForm, {"FrmElegRda"}, false},
        ParseCase{"close", ScriptVerb::kClose, {}, false}, ParseCase{"quit", ScriptVerb::kQuit, {}, false}));

class MalformedLine : public ::testing::TestWithParam<const char*> {};

TEST_P(MalformedLine, IsRefusedNamingTheLine) {
  auto parsed = ParseScriptLine(GetParam(), 12);
  ASSERT_FALSE(parsed.ok());
  EXPECT_EQ(parsed.status().message().rfind("line 12: ", 0), 0u) << parsed.status().message();
}

INSTANTIATE_TEST_SUITE_P(Lines, MalformedLine,
                         ::testing::Values("jump", "menu", "menu \"&Torneo", "menu \"&Torneo\" item", "yes please",
                                           "set txtX", "edit brw 3 NOMBRE", "click", "form", "close now",
                                           "set txtX \"open"));

TEST(ScriptReader, SkipsBlankAndCommentLinesAndKeepsLineNumbers) {
  auto reader = ScriptReader::FromText("\xEF\xBB\xBF# demo\r\n\r\nmenu mnuA\r\n   # indented comment\n  yes\n");
  ASSERT_TRUE(reader.ok());
  ASSERT_FALSE(reader->AtEnd());
  EXPECT_EQ(reader->Take().number, 3);
  EXPECT_EQ(reader->Take().number, 5);
  EXPECT_TRUE(reader->AtEnd());
}

TEST(ScriptReader, MissingFileIsAnError) {
  EXPECT_FALSE(ScriptReader::FromFile("/nonexistent/movarel/script.txt").ok());
}

}  // namespace
}  // namespace movarel::ui
