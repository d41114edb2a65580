#pragma once

class TLearner;
class TGombSokfalytaForm;
class TGombFokuszosForm;
class TGombTabulatorForm;
class TGombAcceleratedForm;
class TGombEszkoztarakForm;
class TGombKerdesekForm;

// The buttons topic's tasks done right, for tests and soaks that must get along its road.
namespace ButtonsMoves {

void Shapes(TLearner& learner, TGombSokfalytaForm& page);
void Focus(TLearner& learner, TGombFokuszosForm& page);
// Twelve Tabs bring the focus to each button three times (the first focus is no visit).
void Tab(TLearner& learner, TGombTabulatorForm& page);
void Accelerator(TLearner& learner, TGombAcceleratedForm& page);
void ToolBar(TLearner& learner, TGombEszkoztarakForm& page);
// The quiz answered with `wrong` wrong answers, from the first question on.
void Quiz(TLearner& learner, TGombKerdesekForm& page, int wrong = 0);

// One move that takes the learner on from the buttons page on screen (a page's whole task); false
// when the page on screen is none of the topic's own.
bool Helpful(TLearner& learner);

} // namespace ButtonsMoves
