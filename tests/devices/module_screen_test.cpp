// The module screens' interface: one table over the four models.
#include "devices/module_screen.h"

#include <gtest/gtest.h>

#include "devices/device_model.h"

namespace setrix::devices {
namespace {

TEST(ModuleScreens, OneScreenPerModuleFoundByKindNameAndProductTag) {
  ModuleModels models;
  const ModuleScreens screens(models);
  const struct {
    ModuleKind kind;
    const char* name;
    const char* title;
    int tag;
    const char* document;  // the model word of its document
  } rows[] = {{ModuleKind::DC, "dc", "ZOR DC", 0, "DC"},
              {ModuleKind::Thermo, "thermo", "ZOR THERMO", 2, "THERMO"},
              {ModuleKind::RTD, "rtd", "ZOR RTD", 1, "RTD"},
              {ModuleKind::FRQ, "frq", "ZOR FREQUENCY", 3, "FREQUENCY"}};
  models.dc.EditChange(DcEdit::EditEMin, "4");
  models.dc.EditChange(DcEdit::EditEMax, "20");
  models.dc.EditChange(DcEdit::EditAMin, "0");
  models.dc.EditChange(DcEdit::EditAMax, "10");
  models.dc.BitBtnWeiterClick();
  for (const auto& r : rows) {
    ModuleScreen* s = screens.Of(r.kind);
    ASSERT_NE(s, nullptr) << r.name;
    EXPECT_EQ(screens.Named(r.name), s);
    EXPECT_EQ(screens.WithProductTag(r.tag), s);
    EXPECT_EQ(s->Title(), r.title);
    EXPECT_EQ(s->SettingsKey().module, r.name);
    const sheets::Document document = s->Document({1, "Pumpe 3", "24.12.2026"});
    EXPECT_EQ(document.model, r.document);
    ASSERT_FALSE(document.pages.empty());
    EXPECT_EQ(document.pages[0].header.note, "Pumpe 3");
    EXPECT_EQ(document.pages[0].header.dateLine, "Date: 24.12.2026");
  }
  EXPECT_EQ(screens.Of(ModuleKind::None), nullptr);
  EXPECT_EQ(screens.Named("bank"), nullptr);
  EXPECT_EQ(screens.WithProductTag(4), nullptr);
}

TEST(ModuleScreens, NotesChoicesAndSettingsGoToTheirModel) {
  ModuleModels models;
  const ModuleScreens screens(models);
  screens.Of(ModuleKind::DC)->SetNote("SN 4711");
  screens.Of(ModuleKind::FRQ)->SetNote("Pumpe 3");
  EXPECT_EQ(models.dc.Config().userText, "SN 4711");
  EXPECT_EQ(models.frq.config.userText, "Pumpe 3");

  configfile::Device d;
  d.module = "rtd";
  d.choices = {{"type", "pt100-3wire"}, {"start", "-50"},     {"end", "100"},
               {"output", "0-10V"},     {"response", "slow"}, {"manual", "off"}};
  ModuleScreen& rtd = *screens.Named("rtd");
  rtd.SetNote("TT-202");
  rtd.Apply(d);
  EXPECT_TRUE(rtd.Documentable());
  EXPECT_EQ(models.rtd.config.s1, 78);
  const configfile::Device back = rtd.Device();
  EXPECT_EQ(back.note, "TT-202");
  EXPECT_EQ(back.Choice("end") ? *back.Choice("end") : "", "100");

  // What a screen stores, another set of models restores.
  ModuleModels other;
  const ModuleScreens again(other);
  again.Named("rtd")->Restore(rtd.Stored());
  EXPECT_EQ(other.rtd.config.s1, 78);
  EXPECT_EQ(again.Named("rtd")->Note(), "TT-202");
  EXPECT_FALSE(again.Of(ModuleKind::DC)->Documentable());
}

}  // namespace
}  // namespace setrix::devices
