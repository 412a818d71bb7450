#pragma once

#include <QObject>

namespace varnel {

class ContentViewTest : public QObject {
    Q_OBJECT
  private slots:
    void permissionsSectionComesAndGoesWithThePermissions();
    void showingTheWindowReadsThePermissionsAgain();
    void modeCardFollowsTheMode();
    void featureSwitchesWriteTheirField();
    void launchAtLoginSwitchReportsFailures();
    void alertShowsTheBannerAndOkClearsIt();
    void featureGridAndGroups();
    void readableAndOfOneLook();
    void paletteChangeRecoloursEverything();
    void secureInputPausesTheCard();
    void successIsToldInTheCardWithoutAnAlert();
    void tilesFollowTheirSwitches();
    void applicationsLeftAloneAreListedAndEdited();
    void profileInForceIsShownWithItsFocus();
};

class MenuTest : public QObject {
    Q_OBJECT
  private slots:
    void itemsInOrder();
    void itemsActOnTheState();
    void menuBarIconFollowsTheMode();
    void trayIconIsDrawnInThePalettesTextColour();
    void quitStopsTheEngineFirst();
};

class ShellTest : public QObject {
    Q_OBJECT
  private slots:
    void oneWindowWithItsSizes();
    void hideCommandHidesAndTheProcessGoesOn();
    void windowComesBackAsFreshlyOpened();
    void withoutTrayClosingQuitsAfterSayingSoOnce();
    void restoredLaunchStaysInTheMenuBar();
    void reopeningShowsTheHiddenWindow();
};

class LanguageTest : public QObject {
    Q_OBJECT
  private slots:
    void windowAndMenuReadEnglishWithEnglish();
    void windowAndMenuReadTodaysTextsWithRussian();
    void settingsGoToAFileAndComeBackWhenConfirmed();
};

class ThemeTest : public QObject {
    Q_OBJECT
  private slots:
    void everyTextReadsOnWhatIsBehindIt();
};

}  // namespace varnel
