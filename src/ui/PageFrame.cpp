#include "ui/PageFrame.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QTabBar>
#include <QTabWidget>

#include "app/UserDialogs.h"
#include "app/window/TSDIAppForm.h"
#include "db/M_database.h"
#include "ui/FavoritePage.h"
#include "ui/ProviderPage.h"
#include "ui/SatellitePage.h"
#include "ui/ServicePage.h"
#include "ui/SystemPage.h"
#include "ui/TransponderPage.h"

namespace {
constexpr int kServiceTab = 0;
constexpr int kFavoriteTab = 1;
constexpr int kHdTab = 2;
constexpr int kTransponderTab = 5;
}  // namespace

PageFrame::PageFrame(TSDIAppForm& form) : QObject(&form), m_form(form) {
  setObjectName("PageFrame");
  m_service = new ServicePage(form);
  m_system = new SystemPage(form);
  m_transponder = new TransponderPage(form);
  m_satellite = new SatellitePage(form);
  m_favorite = new FavoritePage(form);
  m_provider = new ProviderPage(form, ProviderPage::Provider);
  m_casystem = new ProviderPage(form, ProviderPage::CaSystem);
  form.checkPageHook = [this](int* row) { return CheckPageBeforeLeaving(row); };
  form.selectRowHook = [this](int row) { SelectPageRow(row); };
  connect(&form, &TSDIAppForm::refreshPage, this, &PageFrame::RefreshCurrentPage);
  connect(&form, &TSDIAppForm::listKindChanged, this, &PageFrame::AfterListKindChange);
  connect(&form, &TSDIAppForm::deliveryChanged, this, &PageFrame::AfterDeliveryChange);
  connect(&form, &TSDIAppForm::editorReset, this, &PageFrame::OnEditorReset);
  connect(m_service, &ServicePage::goToPage, this, &PageFrame::GoTo);
  connect(m_transponder, &TransponderPage::goToPage, this, &PageFrame::GoTo);
  connect(m_satellite, &SatellitePage::goToPage, this, &PageFrame::GoTo);
  // The leave check runs before the user's own tab changes (mouse, wheel and keys).
  form.PageControl()->tabBar()->installEventFilter(this);
  form.PageControl()->installEventFilter(this);
}

PageFrame* InstallPages(TSDIAppForm& form) {
  if (auto* frame = form.findChild<PageFrame*>("PageFrame")) return frame;
  return new PageFrame(form);
}

int PageFrame::CheckPageBeforeLeaving(int* row) const {
  if (row) *row = 0;
  m_DataBase& db = m_form.Database();
  const int tab = m_form.PageControl()->currentIndex();
  if (tab == kServiceTab) return m_service->CheckServices(row);
  if (tab == kTransponderTab && db.GetViewDelivery() != DELIVERY_TERRESTRIAL) {
    for (int p = 1; p <= db.GetTransponderViewCount(); ++p) {
      const int sat = db.GetTransponderSatellite(db.GetTransponderViewEntry(p));
      if (sat < 0 || sat >= dblayout::kSatelliteCount) {  // none (0xFF) or no satellite slot
        if (row) *row = p;
        return 21;
      }
    }
  }
  return 0;
}

void PageFrame::SelectPageRow(int row) {
  if (m_form.PageControl()->currentIndex() == kServiceTab) m_service->SelectRow(row);
  if (m_form.PageControl()->currentIndex() == kTransponderTab) m_transponder->SelectRow(row);
}

bool PageFrame::PC_MainChanging() {
  if (!m_form.Document().databaseLoaded) return true;
  const int tab = m_form.PageControl()->currentIndex();
  bool allowed = true;
  if (tab == kServiceTab || tab == kTransponderTab) {
    int row = 0;
    const int code = CheckPageBeforeLeaving(&row);
    if (code) {
      allowed = false;
      ShowMessage(m_form.Dialogs(), static_cast<uint16_t>(code), notice::kValidationError);
      SelectPageRow(row);
    }
    if (tab == kServiceTab) m_form.Document().cutPending = false;
  } else if (tab == kHdTab) {
    m_form.SetHdView(false);
  } else {
    m_favoritesPage = 1;
  }
  return allowed;
}

bool PageFrame::eventFilter(QObject* watched, QEvent* event) {
  // Only a press, the wheel or a key can change the page. Nothing else is looked at, also
  // because the tab widgets keep receiving events while the window is being destroyed.
  const QEvent::Type type = event->type();
  if (type != QEvent::MouseButtonPress && type != QEvent::Wheel && type != QEvent::KeyPress)
    return QObject::eventFilter(watched, event);
  QTabWidget* pages = m_form.PageControl();
  QTabBar* bar = pages->tabBar();
  bool changing = false;
  if (watched == bar && event->type() == QEvent::MouseButtonPress) {
    auto* press = static_cast<QMouseEvent*>(event);
    const int target = bar->tabAt(press->position().toPoint());
    changing = press->button() == Qt::LeftButton && target >= 0 && target != pages->currentIndex();
  } else if (watched == bar && event->type() == QEvent::Wheel) {
    changing = true;
  } else if (event->type() == QEvent::KeyPress && (watched == bar || watched == pages)) {
    auto* key = static_cast<QKeyEvent*>(event);
    const bool ctrlTab = (key->modifiers() & Qt::ControlModifier) &&
                         (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab ||
                          key->key() == Qt::Key_PageUp || key->key() == Qt::Key_PageDown);
    const bool arrows = watched == bar && (key->key() == Qt::Key_Left || key->key() == Qt::Key_Right ||
                                           key->key() == Qt::Key_Home || key->key() == Qt::Key_End);
    changing = ctrlTab || arrows;
  }
  if (changing && !PC_MainChanging()) return true;  // the page stays
  return QObject::eventFilter(watched, event);
}

void PageFrame::GoTo(int tab) {
  QTabWidget* pages = m_form.PageControl();
  if (!m_form.Document().databaseLoaded || !pages->isTabVisible(tab)) return;
  if (pages->currentIndex() == tab) {
    m_form.PC_MainChange(tab);
    return;
  }
  pages->setCurrentIndex(tab);  // the window enters the page
}

void PageFrame::ClearServiceMarks() {
  m_DataBase& db = m_form.Database();
  for (int s = 0; s < dblayout::kServiceCount; ++s) db.SetServiceMark(s, false);
}

void PageFrame::SetFavoriteTabText() {
  const bool defaultFile = m_form.Database().FileKind() == 4;
  QString caption = "Favorite";
  if (defaultFile) caption = m_form.LanguageServiceMode() ? "Language Setvice" : "Favorite Setvice";
  m_form.PageControl()->setTabText(kFavoriteTab, caption);
}

void PageFrame::RefreshCurrentPage(int pageCode) {
  if (!m_form.Document().databaseLoaded) return;
  // A file whose program header says the favorite groups are absent shows language groups.
  m_form.SetLanguageServiceMode(m_form.Database().GetProgramMarker() == dblayout::kMarkerNoFavorites);
  SetFavoriteTabText();
  ClearServiceMarks();
  if (pageCode == 0) m_service->RefreshServicePage();
  if (pageCode == 6) m_system->RefreshSystemPage();
  if (pageCode == 4) m_transponder->RefreshTransponderPage();
  if (pageCode == 5) m_satellite->RefreshSatellitePage();
  if (pageCode == 1 || pageCode == 7) m_favorite->RefreshFavoritePage();
  if (pageCode == 2) m_provider->RefreshPage();
  if (pageCode == 3) m_casystem->RefreshPage();
  // The other pages have their own refresh.
}

void PageFrame::AfterListKindChange(int serviceType) {
  (void)serviceType;
  ClearServiceMarks();
  m_service->AfterListKindChange();
  m_transponder->AfterListKindChange();
  m_satellite->AfterListKindChange();
  if (m_form.PageCode() == 1 || m_form.PageCode() == 7) m_favorite->AfterListKindChange();
  if (m_form.PageCode() == 2) m_provider->AfterListKindChange();
  if (m_form.PageCode() == 3) m_casystem->AfterListKindChange();
}

void PageFrame::AfterDeliveryChange(int deliveryKind) {
  (void)deliveryKind;
  ClearServiceMarks();
  m_service->AfterDeliveryChange();
  m_transponder->AfterDeliveryChange();
  if (m_form.PageCode() == 1 || m_form.PageCode() == 7) m_favoritesPage = 1;
  if (m_form.PageCode() == 1 || m_form.PageCode() == 7) m_favorite->AfterDeliveryChange();
  if (m_form.PageCode() == 2) m_provider->AfterDeliveryChange();
  if (m_form.PageCode() == 3) m_casystem->AfterDeliveryChange();
}

void PageFrame::OnEditorReset() {
  m_favoritesPage = 1;
  m_service->OnEditorReset();
  m_transponder->OnEditorReset();
  m_satellite->OnEditorReset();
  m_favorite->OnEditorReset();
  m_provider->OnEditorReset();
  m_casystem->OnEditorReset();
}
