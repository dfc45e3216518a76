// The wizard driver: the four steps and the two records of one run, the
// route between the steps, and the loop that runs them one after another.
#pragma once
#include "client/app/wizard_records.h"
#include "client/steps/dlg_end.h"
#include "client/steps/dlg_read_card.h"
#include "client/steps/dlg_show_user_info.h"
#include "client/steps/dlg_user_contact.h"

// Runs `first` modally, then, while a step ends with OK, the step it chose;
// returns the last step's result (cancel ends the route at once).
INT_PTR RunRoute(StepDlgBase *first);

class QuillonWizard {
public:
  // Builds the steps and chains them: card -> contact -> review -> outcome,
  // with back links, and the outcome's start-again link to the card step.
  QuillonWizard();
  QuillonWizard(const QuillonWizard &) = delete;
  QuillonWizard &operator=(const QuillonWizard &) = delete;

  INT_PTR Run() { return RunRoute(&m_readCard); }

  UserInfoRecord m_record;
  SubmitOutcome m_outcome;
  CDlgReadCard m_readCard;
  DlgUserContact m_userContact;
  CDlgShowUserInfo m_showUserInfo;
  CDlgEnd m_end;
};
