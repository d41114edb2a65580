#include "CourseModules.h"

#include "framework/Ertekeles.h"
#include "home/FooldalModul.h"
#include "home/ModulValaszt.h"
#include "home/NavBeker.h"
#include "shell/Board.h"
#include "topics/buttons/ButtonsRoad.h"
#include "topics/buttons/GombAcceleratedForm.h"
#include "topics/buttons/GombAngolForm.h"
#include "topics/buttons/GombEszkoztarakForm.h"
#include "topics/buttons/GombFokuszosForm.h"
#include "topics/buttons/GombGombForm.h"
#include "topics/buttons/GombInaktivForm.h"
#include "topics/buttons/GombKerdesekForm.h"
#include "topics/buttons/GombKirakoForm.h"
#include "topics/buttons/GombModul.h"
#include "topics/buttons/GombSokfalytaForm.h"
#include "topics/buttons/GombTabulatorForm.h"
#include "topics/mouse/DuplaKattForm.h"
#include "topics/mouse/EgerAHazbaBeForm.h"
#include "topics/mouse/EgerBallJobbForm.h"
#include "topics/mouse/EgerBasketBallForm.h"
#include "topics/mouse/EgerDragDropForm.h"
#include "topics/mouse/EgerEgerfajtakForm.h"
#include "topics/mouse/EgerJatekvalasztasForm.h"
#include "topics/mouse/EgerKattInfoForm.h"
#include "topics/mouse/EgerKattintForm.h"
#include "topics/mouse/EgerKurzorForm.h"
#include "topics/mouse/EgerLufipukkForm.h"
#include "topics/mouse/EgerModul.h"
#include "topics/mouse/EgerNoraSzinezForm.h"
#include "topics/mouse/EgerSzabalyokForm.h"
#include "topics/mouse/EgerSzinezoInfoForm.h"
#include "topics/mouse/EgerTipusForm.h"
#include "topics/mouse/EgerekForm.h"
#include "topics/mouse/EgervadaszatForm.h"
#include "topics/mouse/LepkevadaszForm.h"
#include "topics/mouse/MouseResults.h"
#include "topics/mouse/MouseRoad.h"
#include "topics/panels/ExamAnswers.h"
#include "topics/panels/PanelModul.h"
#include "topics/panels/PnlAutosForm.h"
#include "topics/panels/PnlFulesPanelForm.h"
#include "topics/panels/PnlKonyvJelzForm.h"
#include "topics/panels/PnlMemJatekForm.h"
#include "topics/panels/PnlMiniVizsgaForm.h"
#include "topics/panels/PnlMiniVizsgaIntroForm.h"
#include "topics/panels/PnlNyomtatForm.h"
#include "topics/panels/PnlPanelForm.h"
#include "topics/selection/JelAgyuzasForm.h"
#include "topics/selection/JelChkBox2Form.h"
#include "topics/selection/JelChkBoxForm.h"
#include "topics/selection/JelChkBoxQuizForm.h"
#include "topics/selection/JelMemIntroForm.h"
#include "topics/selection/JelMemRdQuizForm.h"
#include "topics/selection/JelModul.h"
#include "topics/selection/JelProgressBarForm.h"
#include "topics/selection/JelRdBtnForm.h"
#include "topics/selection/JelRdCsopForm.h"
#include "topics/selection/JelSpinEdit1Form.h"
#include "topics/selection/JelSpinEdit2Form.h"
#include "topics/selection/JelTreckBarForm.h"
#include "topics/selection/SelectionRatings.h"
#include "topics/selection/SelectionRoad.h"
#include "topics/buttons/QuizResult.h"
#include "topics/keyboard/Betuvadaszat.h"
#include "topics/keyboard/BillInfo.h"
#include "topics/keyboard/BillentyuModul.h"
#include "topics/keyboard/Billentyuzet.h"
#include "topics/keyboard/KeyboardResults.h"
#include "topics/keyboard/KeyboardRoad.h"
#include "topics/keyboard/OsztalyBe.h"
#include "topics/keyboard/Szogepeles.h"
#include "topics/lists/ListComboForm.h"
#include "topics/lists/ListEditableLBForm.h"
#include "topics/lists/ListKajakForm.h"
#include "topics/lists/ListMertekCsopForm.h"
#include "topics/lists/ListMindenkiForm.h"
#include "topics/lists/ListReflexJatekForm.h"
#include "topics/lists/ListSzulinapForm.h"
#include "topics/lists/ListTVForm.h"
#include "topics/lists/List_LY_J_Form.h"
#include "topics/lists/ListaModul.h"
#include "topics/lists/ListsRoad.h"
#include "topics/windows/WindowsModul.h"
#include "topics/windows/WindowsRoad.h"
#include "topics/windows/WndIntroForm.h"
#include "topics/windows/WndKezelForm.h"
#include "topics/windows/WndMasolForm.h"
#include "topics/windows/WndMeretForm.h"
#include "topics/windows/WndMunkaterForm.h"
#include "topics/lists/ReflexRules.h"
#include "topics/menus/MenuAlMenuMForm.h"
#include "topics/menus/MenuAlmenu2MForm.h"
#include "topics/menus/MenuAsztalkaMForm.h"
#include "topics/menus/MenuKedvencMForm.h"
#include "topics/menus/MenuMenuMForm.h"
#include "topics/menus/MenuModul.h"
#include "topics/menus/MenuMondatMForm.h"
#include "topics/menus/MenuPopUp2MForm.h"
#include "topics/menus/MenuPopUpMForm.h"
#include "topics/menus/MenuTornaMForm.h"
#include "topics/menus/MenusRoad.h"
#include "topics/menus/SentenceGame.h"

namespace {

using TSample = TModuleTable::TPageSample;

// A page shown with one text on the board under key; no key, nothing stored.
template <class Page> TSample Sample(const QString& label, const QString& key = {}, const QString& text = {})
{
    return {label,
            [key, text](IModuleController& controller) {
                if (!key.isEmpty())
                    Board::PutText(controller, key, text);
            },
            [] { return new Page(); }};
}

// A page the module shows for a step word under "STEP".
template <class Page> TSample Step(const QString& page, const QString& step)
{
    return Sample<Page>(page + '_' + step, QStringLiteral("STEP"), step);
}

std::vector<TSample> HomePages()
{
    const QString mode = QStringLiteral("MODULVALASZT");
    return {
        Sample<TNavBeker>(QStringLiteral("NavBeker")),
        Sample<TModulValaszt>(QStringLiteral("ModulValaszt_BEVEZETO"), mode, QStringLiteral("BEVEZETO")),
        Sample<TModulValaszt>(QStringLiteral("ModulValaszt_VALASZT"), mode, QStringLiteral("VALASZT")),
    };
}

// The keyboard road's pages in their order, the practice page with each of its steps.
std::vector<TSample> KeyboardPages()
{
    const QString practice = QStringLiteral("Billentyuzet");
    const QString hunt = QStringLiteral("Betuvadaszat");
    const QString typing = QStringLiteral("Szogepeles");
    const QString result = QStringLiteral("ERTEKEL");
    const QString name = QStringLiteral("Anna");
    const QString grade = QStringLiteral("harmadikos");
    return {
        Sample<TOsztalyBe>(QStringLiteral("OsztalyBe")),
        Step<TBillentyuzet>(practice, QStringLiteral("T")),
        Step<TBillentyuzet>(practice, QStringLiteral("CAPSLOCK")),
        Step<TBillentyuzet>(practice, QStringLiteral("SHIFT")),
        Step<TBetuvadaszat>(hunt, QStringLiteral("R1")),
        Sample<TErtekeles>(QStringLiteral("Ertekeles_R1"), result,
                           KeyboardResults::HuntResult(QStringLiteral("R1"), name, grade, 1, 20)),
        Step<TBillentyuzet>(practice, QStringLiteral("FELSO")),
        Step<TBillentyuzet>(practice, QStringLiteral("ALSO")),
        Step<TBillentyuzet>(practice, QStringLiteral("HÁROMBILL")),
        Step<TBetuvadaszat>(hunt, QStringLiteral("R2")),
        Step<TBillentyuzet>(practice, QStringLiteral("NUMLOCK")),
        Step<TSzogepeles>(typing, QStringLiteral("SZAMOK")),
        Step<TBetuvadaszat>(hunt, QStringLiteral("R3")),
        Sample<TBillInfo>(QStringLiteral("BillInfo")),
        Step<TSzogepeles>(typing, QStringLiteral("SZAVAK")),
        Sample<TErtekeles>(QStringLiteral("Ertekeles_SZAVAK"), result, KeyboardResults::WordsResult(name, grade, 2)),
        Step<TBillentyuzet>(practice, QStringLiteral("ESC")),
        Sample<TErtekeles>(QStringLiteral("Ertekeles_ZARAS"), result, KeyboardRoad::ClosingText()),
    };
}

// The buttons road's pages in their order, with the quiz's evaluation and the closing text.
std::vector<TSample> ButtonsPages()
{
    const QString result = QStringLiteral("ERTEKEL");
    const QString name = QStringLiteral("Anna");
    return {
        Sample<TGombGombForm>(QStringLiteral("GombGombForm")),
        Sample<TGombSokfalytaForm>(QStringLiteral("GombSokfalytaForm")),
        Sample<TGombFokuszosForm>(QStringLiteral("GombFokuszosForm")),
        Sample<TGombTabulatorForm>(QStringLiteral("GombTabulatorForm")),
        Sample<TGombInaktivForm>(QStringLiteral("GombInaktivForm")),
        Sample<TGombAcceleratedForm>(QStringLiteral("GombAcceleratedForm")),
        Sample<TGombEszkoztarakForm>(QStringLiteral("GombEszkoztarakForm")),
        Sample<TGombKirakoForm>(QStringLiteral("GombKirakoForm")),
        Sample<TGombAngolForm>(QStringLiteral("GombAngolForm")),
        Sample<TGombKerdesekForm>(QStringLiteral("GombKerdesekForm")),
        Sample<TErtekeles>(QStringLiteral("Ertekeles_KERDESEK"), result, QuizResult::EvaluationText(name, 10)),
        Sample<TErtekeles>(QStringLiteral("Ertekeles_ZARAS"), result, ButtonsRoad::ClosingText(name)),
    };
}

// The selection road's pages in their order, with the quizzes' and a game's evaluations and the
// closing text.
std::vector<TSample> SelectionPages()
{
    using namespace SelectionRatings;
    const QString result = QStringLiteral("ERTEKEL");
    const QString name = QStringLiteral("Anna");
    return {
        Sample<TJelRdBtnForm>(QStringLiteral("JelRdBtnForm")),
        Sample<TJelRdCsopForm>(QStringLiteral("JelRdCsopForm")),
        Sample<TJelMemIntroForm>(QStringLiteral("JelMemIntroForm")),
        Sample<TJelMemRdQuizForm>(QStringLiteral("JelMemRdQuizForm")),
        Sample<TErtekeles>(QStringLiteral("Ertekeles_RDBUTTON"), result, QuizText(name, 6, 5, RadioScore(5), 1)),
        Sample<TJelChkBoxForm>(QStringLiteral("JelChkBoxForm")),
        Sample<TJelChkBox2Form>(QStringLiteral("JelChkBox2Form")),
        Sample<TJelChkBoxQuizForm>(QStringLiteral("JelChkBoxQuizForm")),
        Sample<TErtekeles>(QStringLiteral("Ertekeles_CHKBOX"), result, QuizText(name, 10, 8, CheckBoxScore(8), 0)),
        Sample<TJelSpinEdit1Form>(QStringLiteral("JelSpinEdit1Form")),
        Sample<TJelSpinEdit2Form>(QStringLiteral("JelSpinEdit2Form")),
        Sample<TJelTreckBarForm>(QStringLiteral("JelTreckBarForm")),
        Sample<TJelProgressBarForm>(QStringLiteral("JelProgressBarForm")),
        Sample<TJelAgyuzasForm>(QStringLiteral("JelAgyuzasForm")),
        Sample<TErtekeles>(QStringLiteral("Ertekeles_AGYUZAS"), result, CannonText(name, 7)),
        Sample<TErtekeles>(QStringLiteral("Ertekeles_FINITO"), result, SelectionRoad::ClosingText()),
    };
}

// The list box road's pages in their order: the birds page in both passes, the reflex game's
// evaluation and the closing text.
std::vector<TSample> ListsPages()
{
    const QString result = QStringLiteral("ERTEKEL");
    const QString birds = QStringLiteral("List_LY_J_Form");
    return {
        Sample<TListMindenkiForm>(QStringLiteral("ListMindenkiForm")),
        Sample<TListKajakForm>(QStringLiteral("ListKajakForm")),
        Sample<TListSzulinapForm>(QStringLiteral("ListSzulinapForm")),
        Sample<TListTVForm>(QStringLiteral("ListTVForm")),
        Sample<TListMertekCsopForm>(QStringLiteral("ListMertekCsopForm")),
        Step<TList_LY_J_Form>(birds, ListsRoad::Shift),
        Step<TList_LY_J_Form>(birds, ListsRoad::Ctrl),
        Sample<TListReflexJatekForm>(QStringLiteral("ListReflexJatekForm")),
        Sample<TErtekeles>(QStringLiteral("Ertekeles_REFLEXJATEK"), result,
                           ReflexRules::EvaluationText(QStringLiteral("Anna"), QStringLiteral("01:05"), 65, 1)),
        Sample<TListEditableLBForm>(QStringLiteral("ListEditableLBForm")),
        Sample<TListComboForm>(QStringLiteral("ListComboForm")),
        Sample<TErtekeles>(QStringLiteral("Ertekeles_FINITO"), result, ListsRoad::ClosingText()),
    };
}

// The butterfly hunt as the road shows it: "STEP" and the "ACTION" of a first or a next round.
TSample Butterflies(const QString& action)
{
    return {QStringLiteral("LepkevadaszForm_") + action,
            [action](IModuleController& controller) {
                Board::PutText(controller, QStringLiteral("STEP"), MouseRoad::Lepkevadasz);
                Board::PutText(controller, QStringLiteral("ACTION"), action);
            },
            [] { return new TLepkevadaszForm(); }};
}

// The mouse road's pages in their order: the games with a round's evaluation each, the colouring
// page with either task, the closing text and the game chooser.
std::vector<TSample> MousePages()
{
    const QString action = QStringLiteral("ACTION");
    const QString result = QStringLiteral("ERTEKEL");
    const QString name = QStringLiteral("Anna");
    const QString colouring = QStringLiteral("EgerNoraSzinezForm");
    return {
        Sample<TEgerekForm>(QStringLiteral("EgerekForm")),
        Sample<TEgerTipusForm>(QStringLiteral("EgerTipusForm")),
        Sample<TEgerKurzorForm>(QStringLiteral("EgerKurzorForm")),
        Sample<TEgerKattInfoForm>(QStringLiteral("EgerKattInfoForm")),
        Sample<TEgerKattintForm>(QStringLiteral("EgerKattintForm")),
        Butterflies(MouseRoad::Start),
        Sample<TErtekeles>(QStringLiteral("Ertekeles_LEPKEVADASZ"), result, MouseResults::ButterflyResult(1, name, 8)),
        Butterflies(MouseRoad::LepkevadaszContinue),
        Sample<TEgerBallJobbForm>(QStringLiteral("EgerBallJobbForm")),
        Sample<TEgervadaszatForm>(QStringLiteral("EgervadaszatForm")),
        Sample<TErtekeles>(QStringLiteral("Ertekeles_EGERVADASZATFORM"), result,
                           MouseResults::HuntResult(1, name, 9, 2)),
        Sample<TDuplaKattForm>(QStringLiteral("DuplaKattForm")),
        Sample<TEgerLufipukkForm>(QStringLiteral("EgerLufipukkForm")),
        Sample<TErtekeles>(QStringLiteral("Ertekeles_EGERLUFIPUKKFORM"), result,
                           MouseResults::BalloonResult(1, name, 20)),
        Sample<TEgerDragDropForm>(QStringLiteral("EgerDragDropForm")),
        Sample<TEgerAHazbaBeForm>(QStringLiteral("EgerAHazbaBeForm")),
        Sample<TEgerBasketBallForm>(QStringLiteral("EgerBasketBallForm")),
        Sample<TErtekeles>(QStringLiteral("Ertekeles_EGERBASKETBALLFORM"), result,
                           MouseResults::BasketResult(name, QStringLiteral("1:05"), 63000)),
        Sample<TEgerSzinezoInfoForm>(QStringLiteral("EgerSzinezoInfoForm")),
        Sample<TEgerNoraSzinezForm>(colouring + QStringLiteral("_AUTO"), action, MouseRoad::Auto),
        Sample<TEgerNoraSzinezForm>(colouring + QStringLiteral("_RUHA"), action, MouseRoad::Ruha),
        Sample<TEgerSzabalyokForm>(QStringLiteral("EgerSzabalyokForm")),
        Sample<TEgerEgerfajtakForm>(QStringLiteral("EgerEgerfajtakForm")),
        Sample<TErtekeles>(QStringLiteral("Ertekeles_ZARAS"), result, MouseRoad::ClosingText(name)),
        Sample<TEgerJatekvalasztasForm>(QStringLiteral("EgerJatekvalasztasForm")),
    };
}

// The windows road: five pages and the closing text.
std::vector<TSample> WindowsPages()
{
    return {
        Sample<TWndIntroForm>(QStringLiteral("WndIntroForm")),
        Sample<TWndKezelForm>(QStringLiteral("WndKezelForm")),
        Sample<TWndMeretForm>(QStringLiteral("WndMeretForm")),
        Sample<TWndMunkaterForm>(QStringLiteral("WndMunkaterForm")),
        Sample<TWndMasolForm>(QStringLiteral("WndMasolForm")),
        Sample<TErtekeles>(QStringLiteral("Ertekeles_ZARAS"), QStringLiteral("ERTEKEL"), WindowsRoad::ClosingText()),
    };
}

std::vector<TSample> PanelsPages()
{
    return {
        Sample<TPnlNyomtatForm>(QStringLiteral("PnlNyomtatForm")),
        Sample<TPnlPanelForm>(QStringLiteral("PnlPanelForm")),
        Sample<TPnlAutosForm>(QStringLiteral("PnlAutosForm")),
        Sample<TPnlMemJatekForm>(QStringLiteral("PnlMemJatekForm")),
        Sample<TPnlKonyvJelzForm>(QStringLiteral("PnlKonyvJelzForm")),
        Sample<TPnlFulesPanelForm>(QStringLiteral("PnlFulesPanelForm")),
        Sample<TPnlMiniVizsgaIntroForm>(QStringLiteral("PnlMiniVizsgaIntroForm")),
        Sample<TPnlMiniVizsgaForm>(QStringLiteral("PnlMiniVizsgaForm")),
        Sample<TErtekeles>(QStringLiteral("Ertekeles_MINIVIZSGA"), QStringLiteral("ERTEKEL"),
                           TExamAnswers::ResultText(QStringLiteral("Anna"), 65000, 29)),
        Sample<TPnlMemJatekForm>(QStringLiteral("PnlMemJatekForm_NEXTFORM"), QStringLiteral("ACTION"),
                                 QStringLiteral("NEXTFORM")),
    };
}

// The menus road: eight lessons, the sentence game first and as a replay, its evaluation and the
// closing text.
std::vector<TSample> MenusPages()
{
    const QString result = QStringLiteral("ERTEKEL");
    return {
        Sample<TMenuMenuMForm>(QStringLiteral("MenuMenuMForm")),
        Sample<TMenuKedvencMForm>(QStringLiteral("MenuKedvencMForm")),
        Sample<TMenuAsztalkaMForm>(QStringLiteral("MenuAsztalkaMForm")),
        Sample<TMenuTornaMForm>(QStringLiteral("MenuTornaMForm")),
        Sample<TMenuAlMenuMForm>(QStringLiteral("MenuAlMenuMForm")),
        Sample<TMenuAlmenu2MForm>(QStringLiteral("MenuAlmenu2MForm")),
        Sample<TMenuPopUpMForm>(QStringLiteral("MenuPopUpMForm")),
        Sample<TMenuPopUp2MForm>(QStringLiteral("MenuPopUp2MForm")),
        Sample<TMenuMondatMForm>(QStringLiteral("MenuMondatMForm")),
        Sample<TErtekeles>(QStringLiteral("Ertekeles_MENUMONDATMFORM"), result,
                           SentenceGame::ResultText(QStringLiteral("Anna"), QStringLiteral("00:52"), 52, 2)),
        Sample<TMenuMondatMForm>(QStringLiteral("MenuMondatMForm_MENU_GAME_ROUND"), QStringLiteral("MENU_GAME_ROUND"),
                                 QStringLiteral("OK")),
        Sample<TErtekeles>(QStringLiteral("Ertekeles_FINITO"), result, MenusRoad::ClosingText()),
    };
}

} // namespace

TModuleTable CourseModules()
{
    TModuleTable table;
    table.Add(QStringLiteral("RETURN_TO_MAIN"), [] { return std::make_shared<TFooldalModul>(); }, HomePages);
    table.Add(QStringLiteral("BILLENTYU"), [] { return std::make_shared<TBillentyuModul>(); }, KeyboardPages);
    table.Add(QStringLiteral("EGEREZES"), [] { return std::make_shared<TEgerModul>(); }, MousePages);
    table.Add(QStringLiteral("GOMBOK"), [] { return std::make_shared<TGombModul>(); }, ButtonsPages);
    table.Add(QStringLiteral("JELOLESEK"), [] { return std::make_shared<TJelModul>(); }, SelectionPages);
    table.Add(QStringLiteral("LISTADOBOZOK"), [] { return std::make_shared<TListaModul>(); }, ListsPages);
    table.Add(QStringLiteral("PANELEK"), [] { return std::make_shared<TPanelModul>(); }, PanelsPages);
    table.Add(QStringLiteral("ABLAKOK"), [] { return std::make_shared<TWindowsModul>(); }, WindowsPages);
    table.Add(QStringLiteral("MENUK"), [] { return std::make_shared<TMenuModul>(); }, MenusPages);
    return table;
}
