// Voice card mode "(config-voicecard)#".
dspfarm|Let the DSP farm use the card's DSPs|k||
  <cr>||||
  !
!
dsp|DSP settings|k||
  services|DSP services|k||
    dspfarm|DSP farm services|k||
      <cr>||||
      !
    !
  !
!
