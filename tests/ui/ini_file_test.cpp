// Settings files: the initialisation-file format as other programs leave it.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "temp_folder.h"
#include "ui/ini_file.h"

namespace movarel::ui {
namespace {

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(IniFile, MissingFileGivesDefaultsAndIsNotCreatedByReading) {
  testing::TempFolder temp;
  IniFile ini(temp / "tq.ini");
  EXPECT_FALSE(ini.existed());
  EXPECT_EQ(ini.Get("Movarel", "AbrirNavegador", "S"), "S");
  EXPECT_EQ(ini.Get("Movarel", "NumParSerie", "3"), "3");
  ini.Close();
  EXPECT_FALSE(std::ifstream(temp / "tq.ini").good());
}

TEST(IniFile, KeysAndSectionsCompareWithoutRegardToCase) {
  testing::TempFolder temp;
  WriteFile(temp / "tq.ini", "[MOVAREL]\r\nEloFEDA=c:\\elo\\feda.dbf\r\ntorneo1=Open\r\n");
  IniFile ini(temp / "tq.ini");
  EXPECT_EQ(ini.Get("Movarel", "EloFeda", ""), "c:\\elo\\feda.dbf");
  EXPECT_EQ(ini.Get("movarel", "Torneo1", ""), "Open");
  ASSERT_TRUE(ini.Set("Movarel", "EloFeda", "/srv/feda.dbf").ok());
  // One key: the line keeps its spelling and no second "EloFeda" appears.
  EXPECT_EQ(ReadFile(temp / "tq.ini"), "[MOVAREL]\r\nEloFEDA=/srv/feda.dbf\r\ntorneo1=Open\r\n");
}

TEST(IniFile, OtherSectionsCommentsAndBlankLinesArePreserved) {
  testing::TempFolder temp;
  WriteFile(temp / "tq.ini",
            "; ajustes\n[Otro]\nA=1\n\n[Movarel]\nTorneo1=Open Benidorm\n\n[Zendral]\nRuta=C:\\ZD\n");
  IniFile ini(temp / "tq.ini");
  EXPECT_EQ(ini.Get("Movarel", "A", "none"), "none") << "keys belong to their own section";
  ASSERT_TRUE(ini.Set("Movarel", "Torneo2", "Memorial \xC1lvarez").ok());
  ASSERT_TRUE(ini.Set("Nueva", "X", "1").ok());
  EXPECT_EQ(ReadFile(temp / "tq.ini"),
            "; ajustes\r\n[Otro]\r\nA=1\r\n\r\n[Movarel]\r\nTorneo1=Open Benidorm\r\nTorneo2=Memorial \xC1lvarez\r\n"
            "\r\n[Zendral]\r\nRuta=C:\\ZD\r\n[Nueva]\r\nX=1\r\n");
  IniFile again(temp / "tq.ini");
  EXPECT_EQ(again.Get("MOVAREL", "TORNEO2", ""), "Memorial \xC1lvarez");
}

TEST(IniFile, FirstWriteCreatesTheFileWithTheSection) {
  testing::TempFolder temp;
  IniFile ini(temp / "tq.ini");
  ASSERT_TRUE(ini.Set("Movarel", "AbrirNavegador", "n").ok());
  EXPECT_TRUE(ini.existed());
  EXPECT_EQ(ReadFile(temp / "tq.ini"), "[Movarel]\r\nAbrirNavegador=n\r\n");
}

TEST(IniFile, ValuesAreTrimmedAndMayBeEmpty) {
  testing::TempFolder temp;
  WriteFile(temp / "tq.ini", "[Movarel]\nTorneo1 =  Open  \nFichero1=\n");
  IniFile ini(temp / "tq.ini");
  EXPECT_EQ(ini.Get("Movarel", "Torneo1", "x"), "Open");
  EXPECT_EQ(ini.Get("Movarel", "Fichero1", "x"), "") << "a present empty key is not the default";
}

TEST(IniFile, UnwritableFolderReportsTheError) {
  IniFile ini("/nonexistent-folder-movarel/tq.ini");
  EXPECT_FALSE(ini.Set("Movarel", "Torneo1", "x").ok());
}

}  // namespace
}  // namespace movarel::ui
