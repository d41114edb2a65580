#include "support/CourseFixture.h"
#include "support/PageSamples.h"

#include "framework/ModuleBase.h"
#include "shell/Board.h"
#include "topics/keyboard/Billentyuzet.h"

#include <map>

namespace {

using PageSamplesTest = CourseFixture;

// Every module of the course has its samples, and every sample page, shown by its module as the
// road shows it, comes up under its own name and with the step word of its label, and raises no
// error.
TEST_F(PageSamplesTest, EveryListedPageComesUpUnderItsNameThroughItsModule)
{
    StartCourse();
    Board::PutText(Controller(), "USERNAME", "Anna");
    Board::PutText(Controller(), "OSZTALY", "harmadikos");
    std::map<QString, QStringList> listed;
    const TModuleTable table = Modules();
    for (const TModuleTable::TRow& row : table.Rows()) {
        const std::vector<TPageSample> samples = PageSamples::Of(row.value);
        ASSERT_FALSE(samples.empty()) << row.value.toStdString();
        const auto module = std::dynamic_pointer_cast<TModuleBase>(row.factory());
        ASSERT_NE(module, nullptr);
        module->SetController(bitlak->Controller());
        for (const TPageSample& sample : samples) {
            SCOPED_TRACE(sample.label.toStdString());
            auto* page = dynamic_cast<TBaseForm*>(sample.make());
            ASSERT_NE(page, nullptr);
            module->SwitchTo(page, [&] { sample.prepare(Controller()); });
            Settle();
            EXPECT_EQ(CurrentPage(), page);
            // The label is the page's name, then "_" and the step it is shown with, if any (a page
            // name may hold "_" itself).
            const QString name = page->GetPageName();
            EXPECT_TRUE(sample.label == name || sample.label.startsWith(name + '_')) << name.toStdString();
            if (const auto* practice = dynamic_cast<TBillentyuzet*>(page)) {
                EXPECT_EQ(practice->Step(), sample.label.section('_', 1));
            }
            listed[row.value] << name;
        }
        module->Stop();
        Settle();
    }
    EXPECT_EQ(messages.Texts(), QStringList());

    for (auto& [value, names] : listed)
        names.removeDuplicates();
    EXPECT_EQ(listed["RETURN_TO_MAIN"], (QStringList{"NavBeker", "ModulValaszt"}));
    EXPECT_EQ(listed["BILLENTYU"],
              (QStringList{"OsztalyBe", "Billentyuzet", "Betuvadaszat", "Ertekeles", "Szogepeles", "BillInfo"}));
    EXPECT_EQ(listed["EGEREZES"],
              (QStringList{"EgerekForm", "EgerTipusForm", "EgerKurzorForm", "EgerKattInfoForm", "EgerKattintForm",
                           "LepkevadaszForm", "Ertekeles", "EgerBallJobbForm", "EgervadaszatForm", "DuplaKattForm",
                           "EgerLufipukkForm", "EgerDragDropForm", "EgerAHazbaBeForm", "EgerBasketBallForm",
                           "EgerSzinezoInfoForm", "EgerNoraSzinezForm", "EgerSzabalyokForm", "EgerEgerfajtakForm",
                           "EgerJatekvalasztasForm"}));
    EXPECT_EQ(listed["LISTADOBOZOK"],
              (QStringList{"ListMindenkiForm", "ListKajakForm", "ListSzulinapForm", "ListTVForm", "ListMertekCsopForm",
                           "List_LY_J_Form", "ListReflexJatekForm", "Ertekeles", "ListEditableLBForm",
                           "ListComboForm"}));
}

} // namespace
