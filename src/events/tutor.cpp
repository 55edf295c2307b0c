#include "events/tutor.h"

namespace cw {

int tutorialStep = 0;

std::string tutorText(int step) {
    switch (step) {
        case 0:
            return "Hello and welcome to Crestwork 2.\r\nI will guide you through a 10 step quick get-started guide. We "
                   "will begin by Creating a Engine\r\nClick on \"Game development\" in the leftside menu";
        case 2:
            return "Now Choose \"make New engine\" to create a new engine.\r\nYou can also click on \"view engines\" to "
                   "have a quick view\r\non the platforms/genres and competitors and number of potential customers";
        case 4:
            return "Choose A name for the engine and a team leader(press \"find\" button) that will head the "
                   "development.\r\nWhen you hav pressed the find button just press the employee(yourself) in the "
                   "list. Its important that the Team leader you choose has high score in code and gfx.\r\nThis will "
                   "decrease the time it takes to finish the development";
        case 6:
            return "Choose Genre and Platform. When choosing look at the box to the right.\r\nIts important that the "
                   "number in \"Number of games releases planned is high( 5 or more ).\r\nAlso its a good idea to "
                   "choose a platform that has sold many units\r\nFor more help hover the mouse over the blue "
                   "question mark in the topright corner";
        case 8:
            return "In this example, choose action in the genre box and Atari 2600 as the platform.\r\nafter the "
                   "selection click on \"start Development\" and close the \"game development\"";
        case 10:
            return "Now look at the box to the right called \" Current task\" Click on it and look at the details. Try "
                   "to assign more Employees to the engine development task by right clicking on the engine task in "
                   "the box or choose the button \"assign more employees to task\". Choose \"Assign Employees to "
                   "project\".";
        case 12:
            return "To hire new employees to finish the engine development faster. Right click on the employee grid "
                   "and choose \"Hire new employee\".";
        case 14:
            return "Make sure that the Work area is set to \"Software area\". Browse through the emplyees and click on "
                   "the employees that looks interresting. When you find a worker that looks interresting try hiring "
                   "him by right clicking on the person and choose \"Hire\"";
        case 16:
            return "Make an offer and press the \"suggest\" button. Try to get the possible best deals, not givin the "
                   "worker to much to get the deal\".\r\nIf you cannot make a deal with the employee, try an other. "
                   "When done hiring a worker, close the Hire/view window";
        case 18:
            return "Click on the person you just hired and press yes in the dialog. Close the employees window";
        case 20:
            return "We are done. You have now created an engine and the development is started. When the engine is "
                   "finished it will be moved to the \"released Products\" box in the right bottom window and at that "
                   "point you can start selling the engine and use it for your game development";
        default:
            return "";
    }
}

std::string tutorShownText(int step) {
    if (step <= 0) return "";
    const int shown = step >= 21 ? 20 : (step % 2 == 1 ? step - 1 : step - 2);
    return tutorText(shown);
}

std::string tutorWaitText(int step) {
    switch (step) {
        case 1: return "the development screen to be shown";
        case 3: return "the new-engine page";
        case 5: return "the second part of the new-engine page";
        case 7: return "a genre and a platform chosen for the engine";
        case 9: return "the development screen to be closed";
        case 11: return "\"Manage Employees\" to be shown";
        case 13: return "\"Hire/view Employees\" to be shown";
        case 15: return "the job interview";
        case 17: return "\"Hire/view Employees\" to be closed";
        case 19: return "\"Manage Employees\" to be closed";
        default: return "";
    }
}

TutorTick tutorTick(int& step, const TutorView& v) {
    TutorTick t;
    for (;;) {
        if (step >= 21) return t;
        if (step % 2 == 0) {
            t.text = tutorText(step);
            // The greeting stays where the screen was opened.
            if (step != 0) t.showSecretary = true;
            if (step == 20) {
                t.showCloseButton = true;
                t.placeTopLeft = true;
            }
            ++step;
            continue;
        }
        bool passed = false;
        switch (step) {
            case 1:
                passed = v.developmentShown;
                t.placeDevelopment = t.placeDevelopment || passed;
                break;
            case 3: passed = v.newEnginePageShown; break;
            case 5: passed = v.newEngineSecondPart; break;
            case 7: passed = v.engineChoicesMade; break;
            case 9: passed = !v.developmentShown; break;
            case 11:
                passed = v.manageEmployeesShown;
                if (passed)
                    t.placeManageEmployees = true;
                else
                    t.keepSecretaryInFront = true;
                break;
            case 13:
                passed = v.hiringShown;
                t.placeHiring = t.placeHiring || passed;
                break;
            case 15: passed = v.interviewShown; break;
            case 17:
                if (!v.hiringShown) {
                    t.closeSecretary = true;
                    // Nobody hired yet: back to the hiring advice.
                    step = v.employeeCount > 1 ? 18 : 12;
                    continue;
                }
                break;
            case 19: passed = !v.manageEmployeesShown; break;
            default: break;
        }
        if (!passed) return t;
        t.closeSecretary = true;
        ++step;
    }
}

}  // namespace cw
