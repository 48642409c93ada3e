@echo off
rem Removes the plate pieces that a run leaves in alphabet\; quiet when they are absent.
del /q "%~dp0left.png" "%~dp0mid.png" "%~dp0right.png" "%~dp0background.png" 2>nul
exit /b 0
