#include "client/app/quillon_wizard.h"

INT_PTR RunRoute(StepDlgBase *first) {
  StepDlgBase *step = first;
  INT_PTR result = step->DoModal();
  while (result == IDOK && (step = step->GetNextStep()) != nullptr)
    result = step->DoModal();
  return result;
}

QuillonWizard::QuillonWizard()
    : m_readCard(&m_record, "读取操作员卡中的身份信息"),
      m_userContact(&m_record),
      m_showUserInfo(&m_record, &m_outcome, "核对注册信息并提交注册"),
      m_end(&m_record, &m_outcome, "显示注册结果") {
  m_readCard.m_links = {nullptr, &m_userContact};
  m_userContact.m_links = {&m_readCard, &m_showUserInfo};
  m_showUserInfo.m_links = {&m_userContact, &m_end};
  m_end.m_links = {&m_readCard, nullptr};
}
